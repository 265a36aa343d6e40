#pragma once

#include "board/board_state.h"
#include "display/canvas.h"
#include "display/check_box_value.h"

namespace tavrel {

inline constexpr Rgb kLiveFill = colour(255, 240, 0);
inline constexpr Rgb kDeadFill = colour(90, 90, 210);
inline constexpr Rgb kDiedFill = colour(180, 120, 0);
inline constexpr Rgb kOutline = colour(0, 55, 100);
inline constexpr Rgb kStatusBox = colour(255, 255, 255);

// Repaints every cell of the board 1..grid_size and the status text. On the
// way it recounts live_count and copies each drawn cell into last_cells, so
// the next drawing can mark the cells that died in between.
void draw_tavrel(BoardState& state, Canvas& canvas, const CheckBoxValue& vew_last);

} // namespace tavrel
