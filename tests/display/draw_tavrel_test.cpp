#include "../board/board_helpers.h"
#include "../support/fake_check_box.h"
#include "display/draw_tavrel.h"
#include "display/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

using Op = RecordingCanvas::Op;
using testing::FakeCheckBox;
using testing::loaded_board;
using testing::set_alive;

// Index of cell (i, j) in the drawing order: column by column, top to bottom.
std::size_t order_of(int i, int j)
{
    return static_cast<std::size_t>((i - 1) * 25 + (j - 1));
}

std::vector<RecordingCanvas::Call> circles_of(BoardState& s, const FakeCheckBox& box)
{
    RecordingCanvas canvas;
    draw_tavrel(s, canvas, box);
    return canvas.calls_of(Op::circle);
}

TEST(DrawTavrel, DrawsEveryBoardCellInOrderAtItsCentre)
{
    BoardState s = loaded_board();
    FakeCheckBox box;
    const auto circles = circles_of(s, box);
    ASSERT_EQ(circles.size(), 625U);

    struct Centre {
        int i, j;
        float x, y;
    };
    for (const Centre& c : {Centre{1, 1, 75, 27}, Centre{2, 1, 95, 27}, Centre{1, 2, 85, 44},
                            Centre{13, 13, 315, 231}, Centre{25, 24, 565, 418}, Centre{25, 25, 555, 435}}) {
        const auto& circle = circles[order_of(c.i, c.j)];
        EXPECT_EQ(circle.x1, c.x) << c.i << ", " << c.j;
        EXPECT_EQ(circle.y1, c.y) << c.i << ", " << c.j;
    }
    float left = 1e9F, right = -1e9F, top = 1e9F, bottom = -1e9F;
    for (const auto& circle : circles) {
        EXPECT_EQ(circle.radius, 10.0F);
        EXPECT_EQ(circle.colour, kOutline);
        left = std::min(left, circle.x1 - circle.radius);
        right = std::max(right, circle.x1 + circle.radius);
        top = std::min(top, circle.y1 - circle.radius);
        bottom = std::max(bottom, circle.y1 + circle.radius);
    }
    EXPECT_EQ(left, 65.0F);
    EXPECT_EQ(right, 575.0F);
    EXPECT_EQ(top, 17.0F);
    EXPECT_EQ(bottom, 445.0F);
    EXPECT_EQ(s.row_shift, -5) << "offset of row 25";
}

TEST(DrawTavrel, FillFollowsCellPreviousDrawingAndCheckBox)
{
    BoardState s = loaded_board();
    set_alive(s, {{5, 5}, {6, 6}});
    FakeCheckBox box(1);
    RecordingCanvas first_drawing;
    draw_tavrel(s, first_drawing, box);

    // (5, 5) dies, (7, 7) is born, (6, 6) stays alive.
    s.cells.set(5, 5, 0);
    s.cells.set(7, 7, 1);
    auto circles = circles_of(s, box);
    EXPECT_EQ(circles[order_of(5, 5)].fill, kDiedFill) << "alive before, dead now, box ticked";
    EXPECT_EQ(circles[order_of(6, 6)].fill, kLiveFill) << "live whatever the box says";
    EXPECT_EQ(circles[order_of(7, 7)].fill, kLiveFill);
    EXPECT_EQ(circles[order_of(8, 8)].fill, kDeadFill);
    EXPECT_EQ(box.reads, 2 * 625) << "the box is read for every cell, live ones too";

    // The same board again: nothing died since the last drawing.
    circles = circles_of(s, box);
    EXPECT_EQ(circles[order_of(5, 5)].fill, kDeadFill);
    EXPECT_EQ(circles[order_of(6, 6)].fill, kLiveFill);

    // With the box clear a cell that just died is blue.
    s.cells.set(6, 6, 0);
    box.set(0);
    EXPECT_EQ(circles_of(s, box)[order_of(6, 6)].fill, kDeadFill);
}

TEST(DrawTavrel, CountsAndCopiesTheBoardOnly)
{
    BoardState s = loaded_board();
    set_alive(s, {{1, 1}, {25, 25}, {13, 13}, {0, 5}, {26, 3}, {4, 0}, {40, 40}});
    s.last_cells.set(0, 7, 1);
    s.last_cells.set(30, 30, 1);
    s.live_count = 99;
    FakeCheckBox box(1);
    const auto circles = circles_of(s, box);
    ASSERT_EQ(circles.size(), 625U) << "outside cells are never drawn";
    EXPECT_EQ(s.live_count, 3);
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j <= 40; ++j) {
            const bool on_board = i >= 1 && i <= 25 && j >= 1 && j <= 25;
            if (on_board) {
                EXPECT_EQ(s.last_cells.at(i, j), s.cells.at(i, j)) << i << ", " << j;
            }
        }
    }
    EXPECT_EQ(s.last_cells.at(0, 5), 0) << "outside cells are not copied";
    EXPECT_EQ(s.last_cells.at(0, 7), 1) << "nor cleared";
    EXPECT_EQ(s.last_cells.at(30, 30), 1);
}

TEST(DrawTavrel, StatusTextCallsInOrder)
{
    BoardState s = loaded_board();
    set_alive(s, {{3, 3}, {4, 4}});
    s.step_number = 17;
    s.heredity = 3.0F;
    RecordingCanvas canvas;
    FakeCheckBox box;
    draw_tavrel(s, canvas, box);

    const auto& calls = canvas.calls();
    // The circles and their fills come first; the status follows the last circle.
    std::size_t first = 0;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (calls[k].op == Op::circle) {
            first = k + 1;
        }
    }
    ASSERT_EQ(calls.size() - first, 11U);
    const auto expect_box = [&](std::size_t k, float x1, float y1, float x2, float y2) {
        EXPECT_EQ(calls[k].op, Op::line) << k;
        EXPECT_EQ(calls[k].x1, x1) << k;
        EXPECT_EQ(calls[k].y1, y1) << k;
        EXPECT_EQ(calls[k].x2, x2) << k;
        EXPECT_EQ(calls[k].y2, y2) << k;
        EXPECT_EQ(calls[k].colour, kStatusBox) << k;
    };
    const auto expect_print = [&](std::size_t k, const std::string& text) {
        EXPECT_EQ(calls[k].op, Op::print) << k;
        EXPECT_EQ(calls[k].text, text) << k;
    };
    const auto expect_pset = [&](std::size_t k, float x, float y) {
        EXPECT_EQ(calls[k].op, Op::pset) << k;
        EXPECT_EQ(calls[k].x1, x) << k;
        EXPECT_EQ(calls[k].y1, y) << k;
    };
    expect_box(first + 0, 21, 233, 45, 246);
    expect_box(first + 1, 13, 272, 32, 285);
    expect_pset(first + 2, -1, 220);
    expect_print(first + 3, "      Step ");
    expect_print(first + 4, "   \u2116 17 ");
    expect_print(first + 5, "");
    expect_print(first + 6, "Num of cells");
    expect_print(first + 7, "    2 ");
    expect_box(first + 8, 15, 178, 35, 195);
    expect_pset(first + 9, -1, 180);
    expect_print(first + 10, "        3 ");
}

TEST(PrintFormat, NumbersTakeABlankOrSignAndATrailingBlank)
{
    EXPECT_EQ(format_number(0), " 0 ");
    EXPECT_EQ(format_number(32767), " 32767 ");
    EXPECT_EQ(format_number(-5), "-5 ");
    EXPECT_EQ(format_number(2.0F), " 2 ") << "a whole float prints like an integer";
    EXPECT_EQ(format_number(2.5), " 2.5 ");
    EXPECT_EQ(format_print_items({"   ", 625.0}), "    625 ");
    EXPECT_EQ(format_print_items({}), "");
}

} // namespace
} // namespace tavrel
