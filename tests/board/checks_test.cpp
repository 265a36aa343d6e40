#include "board/check.h"
#include "board/grid.h"
#include "board/make_step.h"
#include "board_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tavrel {
namespace {

TEST(GridBounds, EveryIndexOfZeroToFortyIsUsableAndColumnMajor)
{
    Grid grid;
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j <= 40; ++j) {
            grid.set(i, j, static_cast<std::int16_t>(j * 41 + i));
        }
    }
    EXPECT_EQ(grid.at(40, 40), 1680);
    EXPECT_EQ(grid.at(3, 1), 44);
    EXPECT_EQ(grid.at(0, 40), 1640);
}

TEST(GridBounds, AnIndexOutsideZeroToFortyFailsNamingIt)
{
    Grid grid;
    for (const auto& [i, j] : {std::pair{-1, 0}, {0, -1}, {41, 0}, {0, 41}, {-100000, 5}, {5, 1 << 30}}) {
        EXPECT_THROW((void)grid.at(i, j), CheckFailure) << i << ", " << j;
        EXPECT_THROW(grid.set(i, j, 1), CheckFailure) << i << ", " << j;
    }
    try {
        grid.set(41, 2, 1);
        FAIL() << "no failure";
    } catch (const CheckFailure& failure) {
        EXPECT_STREQ(failure.what(), "grid index (41, 2) outside 0..40");
    }
    EXPECT_EQ(grid, Grid{}) << "a failed access writes nothing";
}

TEST(CounterWidths, NarrowingFailsExactlyBeyondTheWidth)
{
    EXPECT_EQ(narrow_checked<std::int16_t>(32767, "n"), 32767);
    EXPECT_EQ(narrow_checked<std::int16_t>(-32768, "n"), -32768);
    EXPECT_THROW(narrow_checked<std::int16_t>(32768, "n"), CheckFailure);
    EXPECT_THROW(narrow_checked<std::int16_t>(-32769, "n"), CheckFailure);
    EXPECT_EQ(narrow_checked<std::uint8_t>(255, "n"), 255);
    EXPECT_THROW(narrow_checked<std::uint8_t>(256, "n"), CheckFailure);
    EXPECT_THROW(narrow_checked<std::uint8_t>(-1, "n"), CheckFailure);
    try {
        narrow_checked<std::int16_t>(40000, "live_count");
        FAIL() << "no failure";
    } catch (const CheckFailure& failure) {
        EXPECT_STREQ(failure.what(), "live_count = 40000 does not fit its width");
    }
}

TEST(CounterWidths, StepOnABoardLargerThanTheGridsFailsInsteadOfOverrunning)
{
    BoardState s = testing::loaded_board();
    s.grid_size = 41;
    EXPECT_THROW((void)make_step(s), CheckFailure);
}

TEST(CounterWidths, NeighbourCountOutsideItsWidthIsCaught)
{
    // Cells never hold such values; if one did, the count must not wrap.
    BoardState s = testing::loaded_board();
    s.cells.set(12, 13, 300);
    EXPECT_THROW((void)make_step(s), CheckFailure);
}

} // namespace
} // namespace tavrel
