#include "board/make_step.h"
#include "board_helpers.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using testing::CellSet;
using testing::live_cells;
using testing::loaded_board;
using testing::set_alive;

CellSet step_from(const CellSet& start, int survive = 2, int birth = 2)
{
    BoardState s = loaded_board();
    s.survive_count = static_cast<std::uint8_t>(survive);
    s.birth_count = static_cast<std::uint8_t>(birth);
    set_alive(s, start);
    EXPECT_EQ(make_step(s), StepOutcome::advanced);
    return live_cells(s.cells);
}

TEST(MakeStep, ExactCountSurvivalAndBirth)
{
    // (13, 12) in an even row touches (12, 12), (14, 12), (14, 13), (14, 11),
    // (13, 13) and (13, 11).
    BoardState two = loaded_board();
    set_alive(two, {{13, 12}, {12, 12}, {14, 12}});
    ASSERT_EQ(make_step(two), StepOutcome::advanced);
    EXPECT_EQ(two.cells.at(13, 12), 1) << "a live cell with exactly two neighbours survives";

    EXPECT_EQ(step_from({{13, 12}, {12, 12}}).count({13, 12}), 0U) << "one neighbour: dies";
    EXPECT_EQ(step_from({{13, 12}, {12, 12}, {14, 12}, {14, 13}}).count({13, 12}), 0U)
        << "three neighbours: dies";

    EXPECT_EQ(step_from({{12, 12}, {14, 12}}).count({13, 12}), 1U) << "dead cell, two neighbours: born";
    EXPECT_EQ(step_from({{12, 12}, {14, 12}, {13, 13}}).count({13, 12}), 0U)
        << "dead cell, three neighbours: stays dead";
}

TEST(MakeStep, EmptyAndSingleCellBoards)
{
    BoardState s = loaded_board();
    s.step_number = 41;
    ASSERT_EQ(make_step(s), StepOutcome::advanced);
    EXPECT_TRUE(live_cells(s.cells).empty());
    EXPECT_EQ(s.step_number, 42);

    EXPECT_TRUE(step_from({{13, 13}}).empty());
}

TEST(MakeStep, PairsOscillateWithPeriodTwo)
{
    const CellSet even_pair{{12, 12}, {13, 12}};
    const CellSet even_next{{13, 11}, {13, 13}};
    EXPECT_EQ(step_from(even_pair), even_next);
    EXPECT_EQ(step_from(even_next), even_pair);

    const CellSet odd_pair{{12, 13}, {13, 13}};
    const CellSet odd_next{{12, 12}, {12, 14}};
    EXPECT_EQ(step_from(odd_pair), odd_next);
    EXPECT_EQ(step_from(odd_next), odd_pair);

    BoardState s = loaded_board();
    set_alive(s, even_pair);
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(make_step(s), StepOutcome::advanced);
        EXPECT_EQ(live_cells(s.cells), n % 2 == 1 ? even_next : even_pair) << "after step " << n;
    }
}

TEST(MakeStep, FullBoard)
{
    BoardState two = loaded_board();
    testing::fill_board(two);
    ASSERT_EQ(make_step(two), StepOutcome::advanced);
    EXPECT_TRUE(live_cells(two.cells).empty());

    BoardState six = loaded_board(6);
    testing::fill_board(six);
    ASSERT_EQ(make_step(six), StepOutcome::advanced);
    const CellSet live = live_cells(six.cells);
    EXPECT_EQ(live.size(), 529U);
    for (const auto& [i, j] : live) {
        EXPECT_TRUE(i >= 2 && i <= 24 && j >= 2 && j <= 24) << i << ", " << j;
    }
}

TEST(MakeStep, EdgeCellsAreReadButCleared)
{
    EXPECT_EQ(step_from({{1, 10}, {2, 10}}), (CellSet{{2, 9}, {2, 11}}));
    EXPECT_TRUE(step_from({{1, 1}}).empty());
    // (13, 1) would be born too, but lies on the edge.
    EXPECT_EQ(step_from({{12, 2}, {13, 2}}), (CellSet{{13, 3}}));
    EXPECT_TRUE(step_from({{13, 3}}).empty());
}

TEST(MakeStep, OutsideCellsAreNeverReadOrWritten)
{
    BoardState s = loaded_board();
    // Outside cells next to the edge, in the corner and far out; with
    // thresholds 2 each pair would make births if the step read them.
    const CellSet outside{{0, 5}, {0, 6}, {26, 13}, {26, 14}, {13, 0}, {14, 0}, {40, 40}, {0, 0}, {5, 26}, {6, 26}};
    set_alive(s, outside);
    for (int n = 0; n < 50; ++n) {
        ASSERT_EQ(make_step(s), StepOutcome::advanced);
    }
    EXPECT_EQ(live_cells(s.cells), outside);
    EXPECT_TRUE(live_cells(s.next_cells).empty());
}

TEST(MakeStep, SeparateThresholds)
{
    EXPECT_EQ(step_from({{12, 12}, {13, 12}}, 1, 2), (CellSet{{12, 12}, {13, 12}, {13, 11}, {13, 13}}));
    // With survival 2 and birth 1 the same pair dies and gives births only.
    const CellSet births = step_from({{12, 12}, {13, 12}}, 2, 1);
    EXPECT_EQ(births.count({12, 12}), 0U);
    EXPECT_EQ(births.count({11, 12}), 1U);
}

TEST(MakeStep, TriangleWithThresholdThree)
{
    EXPECT_TRUE(step_from({{12, 12}, {13, 12}, {13, 13}}, 3, 3).empty());
}

TEST(MakeStep, WorkingFieldsAndScratchGridAfterwards)
{
    BoardState s = loaded_board();
    // (24, 24) is the last cell computed; give it three live neighbours.
    set_alive(s, {{23, 24}, {25, 24}, {24, 25}, {13, 13}, {14, 13}});
    ASSERT_EQ(make_step(s), StepOutcome::advanced);
    EXPECT_EQ(s.neighbours, 3);
    EXPECT_EQ(s.row_shift, 1) << "sign of row 24";
    EXPECT_TRUE(live_cells(s.next_cells).empty());
}

TEST(MakeStep, FullCounterTakesNoGeneration)
{
    BoardState s = loaded_board();
    set_alive(s, {{12, 12}, {13, 12}, {0, 3}});
    s.step_number = 32766;
    ASSERT_EQ(make_step(s), StepOutcome::advanced);
    EXPECT_EQ(s.step_number, 32767);

    const BoardState before = s;
    EXPECT_EQ(make_step(s), StepOutcome::counter_full);
    EXPECT_EQ(s.step_number, 32767);
    EXPECT_EQ(s.cells, before.cells);
    EXPECT_EQ(s.next_cells, before.next_cells);
    EXPECT_EQ(make_step(s), StepOutcome::counter_full);
}

} // namespace
} // namespace tavrel
