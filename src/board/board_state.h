#pragma once

#include "board/grid.h"

#include <cstdint>

namespace tavrel {

// Flags follow the convention true = -1, false = 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// Everything the program knows, all zero until the load event gives it its
// values. The fields are used directly by the event
// procedures; their widths are part of the behaviour, and arithmetic on them
// goes through narrow_checked.
struct BoardState {
    Grid cells;       // current generation: 1 alive, 0 dead
    Grid next_cells;  // scratch of the generation step, all zero between steps
    Grid last_cells;  // the board as it was at the last drawing

    std::uint8_t cell_size = 0;   // radius of a drawn cell, unit of the geometry
    std::uint8_t seed_index = 0;  // loop counter of the random seeding
    std::uint8_t grid_size = 0;   // side N of the board 1..N
    float heredity = 0.0F;        // threshold drawn for each pass of a run
    std::int16_t row_shift = 0;   // row sign in the step, row offset in the drawing
    std::uint8_t neighbours = 0;  // live-neighbour count of the cell being computed
    std::int16_t running = kFalse; // run flag of the continuous run
    std::int16_t live_count = 0;  // live cells on the board at the last drawing
    std::int16_t step_number = 0; // generation number shown in the status
    std::uint8_t birth_count = 0;
    std::uint8_t survive_count = 0;
};

} // namespace tavrel
