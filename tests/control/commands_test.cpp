#include "../board/board_helpers.h"
#include "../support/fake_runtime.h"
#include "control/procedures.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using Op = RecordingCanvas::Op;
using testing::CellSet;
using testing::live_cells;
using testing::set_alive;
using testing::TestForm;

TEST(FormLoad, GivesTheLoadValuesAndDrawsTheEmptyBoard)
{
    TestForm t;
    EXPECT_EQ(t.s.cell_size, 10);
    EXPECT_EQ(t.s.grid_size, 25);
    EXPECT_EQ(t.s.birth_count, 2);
    EXPECT_EQ(t.s.survive_count, 2);
    EXPECT_EQ(t.s.step_number, 0);
    EXPECT_EQ(t.s.live_count, 0);
    EXPECT_EQ(t.s.running, kTrue);
    EXPECT_EQ(t.s.heredity, 0.0F);
    const auto& calls = t.canvas.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().op, Op::draw_width);
    EXPECT_EQ(calls.front().value, 2);
    EXPECT_EQ(t.canvas.calls_of(Op::circle).size(), 625U);
    EXPECT_EQ(t.drawings(), 1);
    EXPECT_EQ(t.runtime.random_draws, 0);
}

TEST(NewClick, SeedsDrawsOnceAndSetsTheFlagAfterDrawing)
{
    TestForm t;
    t.s.running = kFalse;
    set_alive(t.s, {{0, 3}, {30, 30}});
    int running_while_drawing = 1;
    t.runtime.on_read_check_box = [&] { running_while_drawing = t.s.running; };
    New_Click(t.form);

    EXPECT_EQ(running_while_drawing, kFalse);
    EXPECT_EQ(t.s.running, kTrue);
    EXPECT_EQ(t.runtime.random_draws, 20);
    EXPECT_EQ(t.drawings(), 2);
    EXPECT_EQ(t.s.step_number, 1);
    CellSet board;
    for (const auto& [i, j] : live_cells(t.s.cells)) {
        if (i >= 1 && i <= 25 && j >= 1 && j <= 25) {
            board.insert({i, j});
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(t.s.live_count), board.size());
    EXPECT_EQ(t.s.cells.at(0, 3), 1) << "outside cells survive a New";
    EXPECT_EQ(t.s.cells.at(30, 30), 1);
}

TEST(NewClick, TwoProgramRunsSeedTheSamePattern)
{
    TestForm first;
    TestForm second;
    New_Click(first.form);
    New_Click(second.form);
    EXPECT_EQ(first.s.cells, second.s.cells);
    New_Click(first.form);
    EXPECT_NE(first.s.cells, second.s.cells) << "the next pattern comes from the next 20 numbers";
}

TEST(GoClick, StepsWithTheCurrentThresholdsAndDraws)
{
    TestForm t;
    set_alive(t.s, {{12, 12}, {13, 12}});
    Go_Click(t.form);
    EXPECT_EQ(live_cells(t.s.cells), (CellSet{{13, 11}, {13, 13}}));
    EXPECT_EQ(t.s.step_number, 1);
    EXPECT_EQ(t.s.live_count, 2);
    EXPECT_EQ(t.drawings(), 2);

    TestForm three;
    three.s.birth_count = 3;
    three.s.survive_count = 3;
    set_alive(three.s, {{12, 12}, {13, 12}, {13, 13}});
    Go_Click(three.form);
    EXPECT_TRUE(live_cells(three.s.cells).empty()) << "three mutually adjacent cells die with threshold 3";
}

TEST(GoClick, AtTheFullCounterTakesNoGenerationAndBeeps)
{
    TestForm t;
    set_alive(t.s, {{12, 12}, {13, 12}});
    t.s.step_number = 32767;
    const Grid before = t.s.cells;
    Go_Click(t.form);
    EXPECT_EQ(t.s.cells, before);
    EXPECT_EQ(t.s.step_number, 32767);
    EXPECT_EQ(t.runtime.beeps, 1);
    EXPECT_EQ(t.drawings(), 1) << "nothing drawn";
}

TEST(StopAndExit, StopOnlyClearsTheFlagExitEnds)
{
    TestForm t;
    Stop_Click(t.form);
    EXPECT_EQ(t.s.running, kFalse);
    EXPECT_EQ(t.drawings(), 1);
    EXPECT_FALSE(t.form.ended);

    Exit_Click(t.form);
    EXPECT_TRUE(t.form.ended);
    EXPECT_EQ(t.runtime.ends, 1);
}

} // namespace
} // namespace tavrel
