#include "display/draw_tavrel.h"

#include "board/check.h"

#include <cmath>

namespace tavrel {
namespace {

constexpr int kLeftMargin = 60;
constexpr double kTopMargin = 10.0;
constexpr double kRowSpacing = 1.7; // times cell_size; deliberately not sqrt(3)

void draw_cell(BoardState& state, Canvas& canvas, const CheckBoxValue& vew_last, int i, int j)
{
    const double sign = (j % 2 == 0) ? 1.0 : -1.0;
    // Round half to even, as the conversion into the 16-bit field does.
    state.row_shift = narrow_checked<std::int16_t>(std::llrint(state.cell_size / 2.0 * sign), "row_shift");
    const int x = kLeftMargin + i * state.cell_size * 2 + state.row_shift;
    const double y = kTopMargin + (j * state.cell_size) * kRowSpacing;

    canvas.FillStyle(0);
    const std::int16_t cell = state.cells.at(i, j);
    if (cell == 0) {
        canvas.FillColor(kDeadFill);
    }
    const int ticked = vew_last.value();
    if (state.last_cells.at(i, j) != 0 && ticked == 1) {
        canvas.FillColor(kDiedFill);
    }
    if (cell > 0) {
        canvas.FillColor(kLiveFill);
    }
    canvas.Circle(static_cast<float>(x), static_cast<float>(y), state.cell_size, kOutline);

    state.live_count = narrow_checked<std::int16_t>(state.live_count + cell, "live_count");
    state.last_cells.set(i, j, cell);
}

// The boxes and cursor positions fit a text line 13 pixels high.
void draw_status(const BoardState& state, Canvas& canvas)
{
    canvas.Line(21, 233, 45, 246, kStatusBox);
    canvas.Line(13, 272, 32, 285, kStatusBox);
    canvas.PSet(-1, 220);
    canvas.Print({"      Step "});
    canvas.Print({"   \u2116", static_cast<double>(state.step_number)});
    canvas.Print({});
    canvas.Print({"Num of cells"});
    canvas.Print({"   ", static_cast<double>(state.live_count)});
    canvas.Line(15, 178, 35, 195, kStatusBox);
    canvas.PSet(-1, 180);
    canvas.Print({"       ", static_cast<double>(state.heredity)});
}

} // namespace

void draw_tavrel(BoardState& state, Canvas& canvas, const CheckBoxValue& vew_last)
{
    state.live_count = 0;
    const int n = state.grid_size;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            draw_cell(state, canvas, vew_last, i, j);
        }
    }
    draw_status(state, canvas);
}

} // namespace tavrel
