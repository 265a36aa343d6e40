#include "../board/board_helpers.h"
#include "../support/fake_runtime.h"
#include "control/procedures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tavrel {
namespace {

using testing::CellSet;
using testing::live_cells;
using testing::set_alive;
using testing::TestForm;

// A pair in an even row oscillates for ever with threshold 2.
const CellSet kOscillator{{12, 12}, {13, 12}};

TEST(RunClick, OnAnEmptyBoardComputesExactlyOneGeneration)
{
    TestForm t;
    t.s.step_number = 5;
    Run_Click(t.form);
    EXPECT_EQ(t.s.step_number, 6);
    EXPECT_EQ(t.drawings(), 2);
    EXPECT_EQ(t.runtime.random_draws, 1);
    EXPECT_EQ(t.runtime.yields, 1);
    EXPECT_EQ(t.s.running, kTrue);
    EXPECT_EQ(t.s.heredity, 2.0F) << "an empty board always draws 2, even for r close to 1";
}

TEST(RunClick, StopsByItselfWhenTheBoardEmpties)
{
    TestForm t;
    set_alive(t.s, {{13, 13}});
    Go_Click(t.form); // brings live_count up to date, leaves the board empty
    set_alive(t.s, {{13, 13}});
    t.runtime.script = {0.0F};
    Run_Click(t.form);
    EXPECT_TRUE(live_cells(t.s.cells).empty());
    EXPECT_EQ(t.runtime.yields, 1);
    EXPECT_EQ(t.s.running, kTrue);
}

TEST(RunClick, ThresholdIsThreeExactlyAboveTheWeightedBoundary)
{
    // With 600 live cells the threshold is 3 exactly when r >= 2000 / 2600.
    for (const auto& [r, expected] : std::vector<std::pair<float, float>>{
             {0.0F, 2}, {0.5F, 2}, {0.7692F, 2}, {0.7693F, 3}, {0.99999994F, 3}}) {
        TestForm t;
        testing::fill_board(t.s);
        for (int j = 1; j <= 25; ++j) {
            t.s.cells.set(1, j, 0);
        }
        Form_MouseDown(t.form, 1, 0, 100, 10); // an outside cell: redraws and counts
        ASSERT_EQ(t.s.live_count, 600);
        t.runtime.script = {r};
        t.runtime.on_yield = [&](int) { Stop_Click(t.form); };
        Run_Click(t.form);
        EXPECT_EQ(t.s.heredity, expected) << "r = " << r;
        EXPECT_EQ(t.s.birth_count, expected);
        EXPECT_EQ(t.s.survive_count, expected);
    }
}

TEST(RunClick, StopDuringAPassEndsTheRunAfterIt)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.on_yield = [&](int pass) {
        if (pass == 3) {
            Stop_Click(t.form);
        }
    };
    t.runtime.script = std::vector<float>(10, 0.0F);
    Run_Click(t.form);
    EXPECT_EQ(t.s.step_number, 3);
    EXPECT_EQ(t.runtime.yields, 3);
    EXPECT_EQ(t.s.running, kFalse);
}

TEST(RunClick, NewAfterStopInTheSameBatchKeepsTheRunGoing)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    // Two passes with threshold 2, then a New whose 20 numbers seed the
    // even-row pair (14, 14), (15, 14), then threshold 2 again.
    t.runtime.script = {0.0F, 0.0F, 0.35F, 0.35F, 0.55F, 0.35F};
    for (int n = 0; n < 8; ++n) {
        t.runtime.script.insert(t.runtime.script.end(), {0.35F, 0.35F});
    }
    t.runtime.script.insert(t.runtime.script.end(), {0.0F, 0.0F, 0.0F});
    std::vector<int> steps_seen;
    t.runtime.on_yield = [&](int pass) {
        steps_seen.push_back(t.s.step_number);
        if (pass == 2) {
            Stop_Click(t.form);
            New_Click(t.form);
            EXPECT_EQ(live_cells(t.s.cells), (CellSet{{14, 14}, {15, 14}}));
        }
        if (pass == 5) {
            Stop_Click(t.form);
        }
    };
    Run_Click(t.form);
    EXPECT_EQ(steps_seen, (std::vector<int>{1, 2, 2, 3, 4}));
    EXPECT_EQ(t.runtime.random_draws, 25);
    EXPECT_EQ(live_cells(t.s.cells), (CellSet{{15, 13}, {15, 15}})) << "three generations of the new pair";
}

TEST(RunClick, NestedRunsEndTogetherOnOneStop)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.script = std::vector<float>(20, 0.0F);
    int depth = 0;
    int inner_passes = 0;
    t.runtime.on_yield = [&](int pass) {
        if (pass == 1) {
            ++depth;
            Run_Click(t.form); // a second click on Run during the first pass
            --depth;
            return;
        }
        if (depth == 1 && ++inner_passes == 3) {
            Stop_Click(t.form);
        }
    };
    Run_Click(t.form);
    // One outer pass, three inner passes, then the outer run sees the flag.
    EXPECT_EQ(t.s.step_number, 4);
    EXPECT_EQ(t.runtime.yields, 4);
    EXPECT_EQ(t.s.running, kFalse);
}

TEST(RunClick, ABurstOfQueuedRunClicksNestsNoDeeperThanTheLimit)
{
    // Thousands of clicks on Run waiting in the queue at once, as a fast
    // enough stream of presses leaves them: each yield takes in all of them.
    TestForm t;
    set_alive(t.s, kOscillator);
    int clicks_left = 3000;
    int depth = 0;
    int deepest = 0;
    int innermost_passes = 0;
    t.runtime.on_yield = [&](int) {
        ++depth;
        deepest = std::max(deepest, depth);
        while (clicks_left > 0) {
            --clicks_left;
            Run_Click(t.form);
        }
        if (depth == kMaxNestedRuns) {
            ++innermost_passes;
            if (innermost_passes == 2) {
                // At the limit a click still raises the flag again after Stop.
                Stop_Click(t.form);
                Run_Click(t.form);
                EXPECT_EQ(t.s.running, kTrue);
            } else if (innermost_passes == 5) {
                Stop_Click(t.form);
            }
        }
        --depth;
    };
    Run_Click(t.form);
    EXPECT_EQ(clicks_left, 0);
    EXPECT_EQ(deepest, kMaxNestedRuns) << "one yield per run going on";
    EXPECT_EQ(innermost_passes, 5) << "the innermost run went on after Stop and Run in one batch";
    // Each outer run made one pass before the next click nested a run in its
    // yield, and all of them ended on the one Stop.
    EXPECT_EQ(t.runtime.yields, kMaxNestedRuns - 1 + 5);
    EXPECT_EQ(t.s.step_number, kMaxNestedRuns - 1 + 5);
    EXPECT_EQ(t.s.running, kFalse);
    EXPECT_EQ(t.form.run_depth, 0);
}

TEST(RunClick, PressDuringTheRunEditsTheBoardAndRestartsTheCount)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.script = std::vector<float>(10, 0.0F);
    std::vector<int> steps_seen;
    t.runtime.on_yield = [&](int pass) {
        steps_seen.push_back(t.s.step_number);
        if (pass == 2) {
            Form_MouseDown(t.form, 2, 0, 315, 231); // (13, 13)
        }
        if (pass == 4) {
            Stop_Click(t.form);
        }
    };
    Run_Click(t.form);
    EXPECT_EQ(steps_seen, (std::vector<int>{1, 2, 1, 2}));
}

TEST(RunClick, GoAfterTheRunUsesItsLastThreshold)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.script = {0.0F, 0.9995F}; // 2, then 3 (live_count 2 gives weight 1.001)
    t.runtime.on_yield = [&](int pass) {
        if (pass == 2) {
            Stop_Click(t.form);
        }
    };
    Run_Click(t.form);
    ASSERT_EQ(t.s.heredity, 3.0F);
    Go_Click(t.form);
    EXPECT_EQ(t.s.birth_count, 3);
    EXPECT_EQ(t.s.survive_count, 3);
}

TEST(RunClick, ExitInsideNestedRunsRunsNothingMore)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.on_yield = [&](int pass) {
        if (pass == 1) {
            Run_Click(t.form);
        } else if (pass == 3) {
            Exit_Click(t.form);
        }
    };
    Run_Click(t.form);
    EXPECT_TRUE(t.form.ended);
    EXPECT_EQ(t.runtime.yields, 3);
    EXPECT_EQ(t.drawings(), 4) << "load and three passes, nothing after Exit";
}

TEST(RunClick, EndsAtTheFullCounter)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.s.step_number = 32765;
    Run_Click(t.form);
    EXPECT_EQ(t.s.step_number, 32767);
    EXPECT_EQ(t.runtime.yields, 2);
    EXPECT_EQ(t.s.running, kTrue);

    // Another run at the full counter draws no threshold and changes nothing.
    t.s.birth_count = t.s.survive_count = 2;
    const BoardState before = t.s;
    const int draws = t.runtime.random_draws;
    const int drawings = t.drawings();
    Run_Click(t.form);
    EXPECT_EQ(t.runtime.random_draws, draws);
    EXPECT_EQ(t.drawings(), drawings);
    EXPECT_EQ(t.s.cells, before.cells);
    EXPECT_EQ(t.s.heredity, before.heredity);
    EXPECT_EQ(t.s.birth_count, 2);
    EXPECT_EQ(t.s.survive_count, 2);
}

} // namespace
} // namespace tavrel
