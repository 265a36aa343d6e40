#pragma once

#include "board/board_state.h"

#include <cstdint>
#include <limits>

namespace tavrel {

enum class StepOutcome : std::uint8_t {
    advanced,     // one generation computed, step_number one higher
    counter_full, // step_number was at its largest value: nothing changed
};

// step_number is at its largest value: no further generation can be counted.
inline bool counter_full(const BoardState& state)
{
    return state.step_number == std::numeric_limits<std::int16_t>::max();
}

// Advances the board 1..grid_size by one generation of the exact-count
// hexagonal rule. Interior cells are computed, edge cells are read as
// neighbours and cleared, cells outside the board are never touched.
[[nodiscard]] StepOutcome make_step(BoardState& state);

} // namespace tavrel
