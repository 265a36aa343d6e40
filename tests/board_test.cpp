#include "board/make_step.h"
#include "board/seeding.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace tavrel::testing {
namespace {

CellSet stepped(const CellSet& alive, std::uint8_t survive = 2, std::uint8_t birth = 2)
{
    BoardState s = TestForm().s;
    s.survive_count = survive;
    s.birth_count = birth;
    set_alive(s, alive);
    EXPECT_EQ(make_step(s), StepOutcome::advanced);
    return live_cells(s.cells);
}

TEST(MakeStep, HexagonalExactCountRule)
{
    // Pairs oscillate: even rows reach columns i and i + 1 above and below,
    // odd rows i - 1 and i.
    EXPECT_EQ(stepped({{12, 12}, {13, 12}}), (CellSet{{13, 11}, {13, 13}}));
    EXPECT_EQ(stepped({{13, 11}, {13, 13}}), (CellSet{{12, 12}, {13, 12}}));
    EXPECT_EQ(stepped({{12, 13}, {13, 13}}), (CellSet{{12, 12}, {12, 14}}));
    // Live with two neighbours survives; with three, nothing.
    EXPECT_EQ(stepped({{12, 12}, {13, 12}, {13, 13}}), (CellSet{{12, 12}, {13, 12}, {13, 13}, {13, 11}, {12, 13}, {14, 13}}));
    EXPECT_EQ(stepped({{12, 12}, {13, 12}, {13, 13}}, 3, 3), CellSet{});
    EXPECT_EQ(stepped({{12, 12}, {13, 12}}, 1, 2), (CellSet{{12, 12}, {13, 12}, {13, 11}, {13, 13}}));
    // The edge is read but always cleared; births on it are lost.
    EXPECT_EQ(stepped({{1, 10}, {2, 10}}), (CellSet{{2, 9}, {2, 11}}));
    EXPECT_EQ(stepped({{1, 1}}), CellSet{});
    EXPECT_EQ(stepped({{12, 2}, {13, 2}}), (CellSet{{13, 3}}));
    EXPECT_EQ(stepped(cells_in(1, 25, 1, 25)), CellSet{});
    EXPECT_EQ(stepped(cells_in(1, 25, 1, 25), 6, 6), cells_in(2, 24, 2, 24));
    // The neighbour count is tested against its width.
    BoardState s = TestForm().s;
    set_alive(s, {{12, 12}, {13, 12}});
    s.cells.set(13, 13, 255); // (12, 12) counts 256 neighbours
    EXPECT_THROW((void)make_step(s), CheckFailure);
}

TEST(SeedBoard, TenDrawsNearTheCentreAsGenerationOne)
{
    FakeRuntime random; // floor(5r + 12.5): the first number of a pair is the column
    random.script = {0.0F, 0.99999994F, 0.1F, 0.3F, 0.5F, 0.75F, 0.95F, 0.0999F};
    random.script.resize(20, 0.5F);
    BoardState s = TestForm().s;
    set_alive(s, cells_in(0, 30, 0, 30)); // the board and some outside cells
    seed_board(s, random);
    CellSet expected = cells_in(0, 30, 0, 30); // the board cleared, the outside cells kept
    std::erase_if(expected, [](const auto& c) { return c.first >= 1 && c.first <= 25 && c.second >= 1 && c.second <= 25; });
    expected.insert({{12, 17}, {13, 14}, {15, 16}, {17, 12}, {15, 15}});
    EXPECT_EQ(live_cells(s.cells), expected);
    EXPECT_EQ(std::tuple(random.random_draws, s.step_number, s.seed_index), std::tuple(20, 1, 11));
}

} // namespace
} // namespace tavrel::testing
