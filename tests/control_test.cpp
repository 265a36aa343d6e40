#include "support/fakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavrel::testing {
namespace {

// A pair in an even row oscillates for ever with threshold 2.
const CellSet kOscillator{{12, 12}, {13, 12}};

// Circles are drawn column by column, each from the top.
const RecordingCanvas::Disc& circle(const TestForm& t, int i, int j)
{
    return t.canvas.circles.at(t.canvas.circles.size() - 625 + static_cast<std::size_t>((i - 1) * 25 + j - 1));
}

TEST(DrawTavrel, TheEmptyBoardItsStatusAndTheFills)
{
    TestForm t;
    EXPECT_EQ(std::tuple(t.s.cell_size, t.s.grid_size, t.s.birth_count, t.s.survive_count, t.s.running),
              std::tuple(10, 25, 2, 2, kTrue));
    EXPECT_EQ(t.canvas.log.front(), "width 2");
    ASSERT_EQ(t.canvas.circles.size(), 625U);
    for (const auto& [i, j, x, y] : {std::tuple{1, 1, 75.0F, 27.0F}, {2, 1, 95.0F, 27.0F}, {1, 2, 85.0F, 44.0F},
                                     {13, 13, 315.0F, 231.0F}, {25, 24, 565.0F, 418.0F}, {25, 25, 555.0F, 435.0F}}) {
        const auto& c = circle(t, i, j);
        EXPECT_EQ(std::tuple(c.x, c.y, c.radius, c.fill == kDeadFill, c.outline == kOutline),
                  std::tuple(x, y, 10.0F, true, true)) << i << ", " << j;
    }
    const std::vector<std::string> status(t.canvas.log.end() - 11, t.canvas.log.end());
    EXPECT_EQ(status, (std::vector<std::string>{"box 21 233 45 246 255 255 255", "box 13 272 32 285 255 255 255",
                                                "pset -1 220", "print '      Step '", "print '   \u2116 0 '",
                                                "print ''", "print 'Num of cells'", "print '    0 '",
                                                "box 15 178 35 195 255 255 255", "pset -1 180", "print '        0 '"}));
    EXPECT_EQ(format_print_items({"   ", 625.0, 2.0F, -5.0, 2.5}), "    625  2 -5  2.5 ");

    set_alive(t.s, {{3, 3}, {8, 8}, {0, 7}, {26, 1}});
    Go_Click(t.form); // both die; the outside cells stay and are not counted
    t.runtime.ticked = 1;
    Form_MouseDown(t.form, 1, 0, 315, 231); // (13, 13) comes alive; (3, 3) was not alive at the drawing before
    EXPECT_EQ(std::tuple(circle(t, 13, 13).fill, circle(t, 3, 3).fill, t.s.live_count, t.s.last_cells.at(0, 7)),
              std::tuple(kLiveFill, kDeadFill, 1, 0));
    Form_MouseDown(t.form, 4, 7, 315, 231); // and dies: amber while ticked
    EXPECT_EQ(circle(t, 13, 13).fill, kDiedFill);
    Go_Click(t.form); // an unchanged board shows no amber
    EXPECT_EQ(std::tuple(circle(t, 13, 13).fill, t.runtime.random_draws), std::tuple(kDeadFill, 0));
}

// After the run, New and Go keep its last threshold, for birth and survival.
TEST(RunClick, ThresholdFromTheLiveCountOfTheLastDrawing)
{
    // With 600 live cells the threshold is 3 exactly when r >= 2000 / 2600.
    for (const auto& [r, expected] : {std::pair{0.0F, 2}, {0.7692F, 2}, {0.7693F, 3}, {0.99999994F, 3}}) {
        TestForm t;
        set_alive(t.s, cells_in(2, 25, 1, 25));
        draw_tavrel(t.form); // counts them
        t.runtime.script = {r};
        t.runtime.on_yield = [&](int) { Stop_Click(t.form); };
        Run_Click(t.form);
        EXPECT_EQ(std::tuple(t.s.heredity, t.s.birth_count, t.s.survive_count), std::tuple(expected, expected, expected)) << r;
        New_Click(t.form);
        // Dead (20, 20) and live (7, 7), away from the seeds, each with three live neighbours.
        set_alive(t.s, {{19, 20}, {21, 20}, {20, 21}, {7, 7}, {6, 7}, {8, 7}, {7, 6}});
        Go_Click(t.form);
        EXPECT_EQ(std::tuple(t.s.cells.at(20, 20), t.s.cells.at(7, 7)), std::tuple(expected == 3, expected == 3)) << r;
    }
    TestForm empty; // an empty board: one generation, threshold 2 even for r near 1
    empty.runtime.script = {0.99999994F};
    Run_Click(empty.form);
    EXPECT_EQ(std::tuple(empty.s.step_number, empty.s.heredity, empty.runtime.yields, empty.s.running), std::tuple(1, 2.0F, 1, kTrue));
}

TEST(RunClick, EventsInTheYieldActBetweenPasses)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    t.runtime.script = std::vector<float>(40, 0.0F); // threshold 2 in every pass
    t.runtime.script[5] = 0.2F;                       // New seeds (12, 12), (13, 12)
    std::vector<int> steps_seen;
    t.runtime.on_yield = [&](int pass) {
        steps_seen.push_back(t.s.step_number);
        if (pass == 2) {
            Form_MouseDown(t.form, 2, 0, 500, 300); // an edit restarts the count
        } else if (pass == 3) {
            Stop_Click(t.form); // New after Stop in one batch keeps the run going
            New_Click(t.form);
        } else if (pass == 5) {
            Run_Click(t.form); // a nested run
        } else if (pass == 7) {
            Exit_Click(t.form); // ends the inner and the outer run
        }
    };
    Run_Click(t.form);
    EXPECT_EQ(steps_seen, (std::vector<int>{1, 2, 1, 2, 3, 4, 5}));
    EXPECT_EQ(std::tuple(t.form.ended, t.runtime.ends, t.runtime.yields), std::tuple(true, 1, 7));
}

// Thousands of queued clicks on Run, each yield taking in all that are left,
// overflowed the stack before the limit. At the full generation counter Go and
// Run change nothing and beep: Go at every click, a run once, however many
// runs are nested in it.
TEST(RunClick, ABurstNestsNoDeeperThanTheLimitAndTheFullCounterBeeps)
{
    TestForm t;
    set_alive(t.s, kOscillator);
    int clicks_left = 3000, depth = 0, deepest = 0, innermost_passes = 0;
    t.runtime.on_yield = [&](int) {
        deepest = std::max(deepest, ++depth);
        for (; clicks_left > 0; --clicks_left) {
            Run_Click(t.form);
        }
        if (depth == kMaxNestedRuns && ++innermost_passes == 3) {
            Stop_Click(t.form); // ends every run
        }
        --depth;
    };
    Run_Click(t.form);
    EXPECT_EQ(std::tuple(deepest, t.s.step_number, t.form.run_depth), std::tuple(kMaxNestedRuns, kMaxNestedRuns + 2, 0));
    t.s.step_number = 32766; // one pass, then two runs started in its yield at the full counter
    t.runtime.on_yield = [&](int) { Run_Click(t.form); Run_Click(t.form); };
    Run_Click(t.form);
    t.s.heredity = 0;
    const Grid cells = t.s.cells;
    const long drawings = t.drawings();
    Run_Click(t.form); // a new run beeps again; it draws no threshold, and nothing else
    Go_Click(t.form);
    Go_Click(t.form);
    EXPECT_EQ(std::tuple(t.runtime.random_draws, t.runtime.yields, t.drawings(), t.s.heredity, t.runtime.beeps, t.s.cells == cells),
              std::tuple(kMaxNestedRuns + 3, kMaxNestedRuns + 3, drawings, 0.0F, 4, true));
}

TEST(FormMouseDown, EachCellOwnsItsRectangle)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::tuple<float, float, CellSet>> presses{
        {75, 27, {{1, 1}}}, {74, 44, {{0, 2}}}, {75, 44, {{1, 2}}}, {125, 87, {{4, 5}}}, {125, 78, {{3, 4}}},
        // Rows: -1 below y 2, 41 from y 699 on; floor, not truncation.
        {100, 1, {}}, {100, 2, {{2, 0}}}, {100, 18, {{2, 0}}}, {100, 19, {{2, 1}}}, {100, 443, {{2, 25}}},
        {100, 444, {{2, 26}}}, {100, 698, {{2, 40}}}, {100, 699, {}}, {100, -0.5F, {}},
        // Columns of an even and an odd row.
        {54, 44, {}}, {55, 44, {{0, 2}}}, {574, 44, {{25, 2}}}, {575, 44, {{26, 2}}}, {874, 44, {{40, 2}}},
        {875, 44, {}}, {44, 27, {}}, {45, 27, {{0, 1}}}, {64.999F, 27, {{0, 1}}}, {65, 27, {{1, 1}}},
        {564, 27, {{25, 1}}}, {864, 27, {{40, 1}}}, {865, 27, {}},
        // Points that name no grid cell.
        {nan, 100, {}}, {100, nan, {}}, {inf, 100, {}}, {-inf, 100, {}}, {100, inf, {}}, {100, -inf, {}},
        {std::numeric_limits<float>::max(), 100, {}}, {-1e6F, -1e6F, {}}};
    for (const auto& [x, y, cell] : presses) {
        TestForm t;
        Form_MouseDown(t.form, 1, 0, x, y);
        EXPECT_EQ(live_cells(t.s.cells), cell) << x << ", " << y;
    }
}

} // namespace
} // namespace tavrel::testing
