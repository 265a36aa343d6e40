#include "board/make_step.h"
#include "board/seeding.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using testing::CellSet;
using testing::live_cells;
using testing::set_alive;

BoardState loaded(int survive = 2, int birth = 2)
{
    BoardState s;
    s.cell_size = 10;
    s.grid_size = 25;
    s.survive_count = static_cast<std::uint8_t>(survive);
    s.birth_count = static_cast<std::uint8_t>(birth);
    return s;
}

CellSet board_cells()
{
    CellSet all;
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            all.insert({i, j});
        }
    }
    return all;
}

CellSet stepped(const CellSet& alive, int survive = 2, int birth = 2)
{
    BoardState s = loaded(survive, birth);
    set_alive(s, alive);
    EXPECT_EQ(make_step(s), StepOutcome::advanced);
    EXPECT_EQ(s.step_number, 1);
    EXPECT_EQ(live_cells(s.next_cells), CellSet{}) << "next_cells is cleared";
    return live_cells(s.cells);
}

TEST(MakeStep, HexagonalExactCountRule)
{
    EXPECT_EQ(stepped({}), CellSet{});
    EXPECT_EQ(stepped({{13, 13}}), CellSet{});
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
    EXPECT_EQ(stepped(board_cells()), CellSet{});
    CellSet interior;
    for (const auto& [i, j] : board_cells()) {
        if (i > 1 && i < 25 && j > 1 && j < 25) {
            interior.insert({i, j});
        }
    }
    EXPECT_EQ(stepped(board_cells(), 6, 6), interior);
    // Outside cells neither change nor take part.
    EXPECT_EQ(stepped({{0, 12}, {0, 13}, {26, 5}, {40, 40}, {13, 0}}), (CellSet{{0, 12}, {0, 13}, {26, 5}, {40, 40}, {13, 0}}));
}

TEST(MakeStep, FullCounterTakesNoGeneration)
{
    BoardState s = loaded();
    set_alive(s, {{12, 12}, {13, 12}});
    s.step_number = 32766;
    EXPECT_EQ(make_step(s), StepOutcome::advanced);
    const BoardState before = s;
    EXPECT_EQ(make_step(s), StepOutcome::counter_full);
    EXPECT_EQ(s.cells, before.cells);
    EXPECT_EQ(s.step_number, 32767);
}

TEST(Checks, GridIndexAndWidthsAreTested)
{
    Grid grid;
    EXPECT_THROW(grid.set(41, 3, 1), CheckFailure);
    EXPECT_THROW((void)grid.at(0, -1), CheckFailure);
    EXPECT_THROW(narrow_checked<std::int16_t>(32768, "step_number"), CheckFailure);
    // A cell value beyond 1 is summed under the width tests.
    BoardState s = loaded();
    set_alive(s, {{13, 12}});
    s.cells.set(12, 12, 255);
    EXPECT_THROW((void)make_step(s), CheckFailure);
}

TEST(SeedBoard, TenDrawsNearTheCentreAsGenerationOne)
{
    testing::FakeRuntime random;
    BoardState s = loaded();
    set_alive(s, board_cells());
    set_alive(s, {{0, 0}, {30, 12}});
    seed_board(s, random);
    EXPECT_EQ(random.random_draws, 20);
    EXPECT_EQ(s.step_number, 1);
    EXPECT_EQ(s.seed_index, 11);
    const CellSet live = live_cells(s.cells);
    EXPECT_TRUE(live.contains({0, 0}) && live.contains({30, 12})) << "outside cells are kept";
    EXPECT_GE(live.size(), 3U);
    EXPECT_LE(live.size(), 12U);
    for (const auto& [i, j] : live) {
        EXPECT_TRUE((i >= 12 && i <= 17 && j >= 12 && j <= 17) || i == 0 || i == 30) << i << ", " << j;
    }
    // floor(5r + 12.5): the first number of a pair is the column.
    random.script = {0.0F, 0.99999994F, 0.1F, 0.3F, 0.5F, 0.75F, 0.95F, 0.0999F};
    random.script.resize(20, 0.5F);
    seed_board(s, random);
    EXPECT_EQ(live_cells(s.cells), (CellSet{{0, 0}, {30, 12}, {12, 17}, {13, 14}, {15, 16}, {17, 12}, {15, 15}}));
}

TEST(RandomSource, BelowOne)
{
    RandomSource random;
    for (int k = 0; k < 100000; ++k) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0F && r < 1.0F);
    }
}

} // namespace
} // namespace tavrel
