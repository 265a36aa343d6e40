#pragma once

#include "board/board_state.h"
#include "board/random_source.h"

namespace tavrel {

// Clears the board 1..grid_size and sets ten randomly chosen cells of the
// square near its centre alive (fewer when one is chosen twice); the pattern
// becomes generation 1. Draws exactly 20 numbers. Cells outside the board
// keep their values.
void seed_board(BoardState& state, UniformSource& random);

} // namespace tavrel
