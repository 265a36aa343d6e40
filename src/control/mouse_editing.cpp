#include "control/procedures.h"

#include <cmath>

namespace tavrel {
namespace {

// A whole number held in double precision that may index a grid.
bool is_grid_index(double index)
{
    return index >= 0.0 && index <= Grid::kMaxIndex; // false for NaN
}

} // namespace

void Form_MouseDown(Form& form, std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y)
{
    BoardState& s = form.state;
    const double cell = s.cell_size;

    // Each cell owns a 2 x cell_size by 1.7 x cell_size rectangle centred on
    // its circle; rows of rectangles are shifted like the rows of circles.
    const double j = std::floor((static_cast<double>(y) - 10.0) / cell / 1.7 + 0.5);
    if (!is_grid_index(j)) {
        return;
    }
    const int row = static_cast<int>(j);
    const double sign = (row % 2 == 0) ? 1.0 : -1.0;
    const float from_margin = x - 60.0F;
    const double i = std::floor((static_cast<double>(from_margin) - sign * (cell / 2.0)) / cell / 2.0 + 0.5);
    if (!is_grid_index(i)) {
        return;
    }
    const int column = static_cast<int>(i);

    s.cells.set(column, row, s.cells.at(column, row) == 1 ? 0 : 1);
    s.step_number = 0;
    draw_tavrel(form);
}

} // namespace tavrel
