#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavrel::bench {

// The rule of the generation step and nothing else: raw 41 x 41 arrays,
// column-major like the program's grids, with no test of any index or width.
// It is the floor the checked step is measured against.
struct RawBoard {
    static constexpr int kSide = 41;
    std::array<std::int16_t, std::size_t{kSide} * kSide> cells{};
    std::array<std::int16_t, std::size_t{kSide} * kSide> next_cells{};
    int grid_size = 25;
    std::uint8_t birth_count = 2;
    std::uint8_t survive_count = 2;
    std::int16_t step_number = 0;
};

void reference_step(RawBoard& board);

} // namespace tavrel::bench
