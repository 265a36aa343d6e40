#include "../board/board_helpers.h"
#include "../support/fake_runtime.h"
#include "control/procedures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

namespace tavrel {
namespace {

using testing::CellSet;
using testing::live_cells;
using testing::TestForm;

// The one cell a press toggles, or none.
std::optional<std::pair<int, int>> pressed_cell(float x, float y)
{
    TestForm t;
    t.s.step_number = 9;
    Form_MouseDown(t.form, 1, 0, x, y);
    const CellSet live = live_cells(t.s.cells);
    if (live.empty()) {
        EXPECT_EQ(t.s.step_number, 9) << "an ignored press resets nothing";
        EXPECT_EQ(t.drawings(), 1) << "and draws nothing";
        return std::nullopt;
    }
    EXPECT_EQ(live.size(), 1U);
    EXPECT_EQ(t.s.step_number, 0);
    EXPECT_EQ(t.drawings(), 2);
    return *live.begin();
}

using Cell = std::optional<std::pair<int, int>>;
Cell cell(int i, int j)
{
    return std::pair{i, j};
}

TEST(FormMouseDown, NamedExamples)
{
    EXPECT_EQ(pressed_cell(75, 27), cell(1, 1));
    EXPECT_EQ(pressed_cell(74, 44), cell(0, 2));
    EXPECT_EQ(pressed_cell(75, 44), cell(1, 2));
    EXPECT_EQ(pressed_cell(125, 87), cell(4, 5)) << "more than 8.5 pixels below (3, 4)";
    EXPECT_EQ(pressed_cell(125, 78), cell(3, 4));
    EXPECT_EQ(pressed_cell(315, 231), cell(13, 13));
}

TEST(FormMouseDown, RowBoundaries)
{
    EXPECT_EQ(pressed_cell(100, 1), std::nullopt) << "row -1";
    EXPECT_EQ(pressed_cell(100, 2), cell(2, 0));
    EXPECT_EQ(pressed_cell(100, 18), cell(2, 0));
    for (int j = 1; j <= 25; ++j) {
        const int x = (j % 2 == 0 ? 65 : 55) + 20 * 10;
        EXPECT_EQ(pressed_cell(static_cast<float>(x), static_cast<float>(17 * j + 2)), cell(10, j));
        EXPECT_EQ(pressed_cell(static_cast<float>(x), static_cast<float>(17 * j + 18)), cell(10, j));
    }
    EXPECT_EQ(pressed_cell(100, 444)->second, 26);
    EXPECT_EQ(pressed_cell(100, 698)->second, 40);
    EXPECT_EQ(pressed_cell(100, 699), std::nullopt) << "row 41";
    EXPECT_EQ(pressed_cell(100, -0.5F), std::nullopt) << "floor, not truncation";
}

TEST(FormMouseDown, ColumnBoundariesInEvenAndOddRows)
{
    const float even = 44; // row 2
    const float odd = 27;  // row 1
    EXPECT_EQ(pressed_cell(54, even), std::nullopt);
    EXPECT_EQ(pressed_cell(55, even), cell(0, 2));
    EXPECT_EQ(pressed_cell(574, even), cell(25, 2));
    EXPECT_EQ(pressed_cell(575, even), cell(26, 2));
    EXPECT_EQ(pressed_cell(874, even), cell(40, 2));
    EXPECT_EQ(pressed_cell(875, even), std::nullopt);
    EXPECT_EQ(pressed_cell(44, odd), std::nullopt);
    EXPECT_EQ(pressed_cell(45, odd), cell(0, 1));
    EXPECT_EQ(pressed_cell(64, odd), cell(0, 1));
    EXPECT_EQ(pressed_cell(65, odd), cell(1, 1));
    EXPECT_EQ(pressed_cell(564, odd), cell(25, 1));
    EXPECT_EQ(pressed_cell(864, odd), cell(40, 1));
    EXPECT_EQ(pressed_cell(865, odd), std::nullopt);
    EXPECT_EQ(pressed_cell(64.999F, odd), cell(0, 1));
}

TEST(FormMouseDown, PressesThatNameNoGridCellChangeNothing)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float huge = std::numeric_limits<float>::max();
    constexpr float tiny = std::numeric_limits<float>::denorm_min();
    for (const auto& [x, y] : {std::pair{nan, 100.0F}, {100.0F, nan}, {inf, 100.0F}, {-inf, 100.0F},
                               {100.0F, inf}, {100.0F, -inf}, {huge, 100.0F}, {-huge, 100.0F},
                               {100.0F, huge}, {100.0F, -huge}, {tiny, tiny}, {-1e6F, -1e6F}}) {
        EXPECT_EQ(pressed_cell(x, y), std::nullopt) << x << ", " << y;
    }
}

TEST(FormMouseDown, EveryButtonAndModifierTogglesAlike)
{
    TestForm t;
    for (const std::int16_t button : std::initializer_list<std::int16_t>{1, 2, 4}) {
        for (const std::int16_t shift : std::initializer_list<std::int16_t>{0, 1, 2, 4, 7}) {
            Form_MouseDown(t.form, button, shift, 315, 231);
            EXPECT_EQ(t.s.cells.at(13, 13), 1);
            Form_MouseDown(t.form, button, shift, 315, 231);
            EXPECT_EQ(t.s.cells.at(13, 13), 0) << "a second press toggles back";
        }
    }
    EXPECT_EQ(t.runtime.random_draws, 0);
}

TEST(FormMouseDown, OutsideCellsKeepTheirValueThroughStepsAndSeeding)
{
    TestForm t;
    Form_MouseDown(t.form, 1, 0, 100, 10); // row 0, outside the board
    ASSERT_EQ(t.s.cells.at(2, 0), 1);
    EXPECT_EQ(t.s.live_count, 0) << "not counted";
    Go_Click(t.form);
    New_Click(t.form);
    Go_Click(t.form);
    EXPECT_EQ(t.s.cells.at(2, 0), 1);
    EXPECT_EQ(t.s.last_cells.at(2, 0), 0) << "never copied";
}

TEST(FormMouseDown, EdgeCellLastsUntilTheNextGeneration)
{
    TestForm t;
    Form_MouseDown(t.form, 1, 0, 75, 27); // (1, 1)
    EXPECT_EQ(t.s.live_count, 1);
    Go_Click(t.form);
    EXPECT_EQ(t.s.cells.at(1, 1), 0);
    EXPECT_EQ(t.s.step_number, 1);
}

} // namespace
} // namespace tavrel
