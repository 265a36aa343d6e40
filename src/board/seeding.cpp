#include "board/seeding.h"

#include "board/check.h"

#include <cmath>

namespace tavrel {
namespace {

// floor(r * 5 + grid_size / 2): the product is exact in double precision.
int seed_coordinate(float r, const BoardState& state)
{
    const double index = std::floor(static_cast<double>(r) * 5.0 + state.grid_size / 2.0);
    return static_cast<int>(index);
}

} // namespace

void seed_board(BoardState& state, UniformSource& random)
{
    const int n = state.grid_size;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            state.cells.set(i, j, 0);
        }
    }
    constexpr int kSeeds = 10;
    for (state.seed_index = 1; state.seed_index <= kSeeds;
         state.seed_index = narrow_checked<std::uint8_t>(state.seed_index + 1, "seed_index")) {
        const int i = seed_coordinate(random.next(), state);
        const int j = seed_coordinate(random.next(), state);
        state.cells.set(i, j, 1);
    }
    state.step_number = 1;
}

} // namespace tavrel
