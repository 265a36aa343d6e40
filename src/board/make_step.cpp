#include "board/make_step.h"

namespace tavrel {
namespace {

void add_neighbour(BoardState& state, int i, int j)
{
    const auto sum = narrow_checked<std::int16_t>(state.neighbours + state.cells.at(i, j), "neighbours");
    state.neighbours = narrow_checked<std::uint8_t>(sum, "neighbours");
}

void compute_cell(BoardState& state, int i, int j)
{
    state.neighbours = 0;
    state.row_shift = (j % 2 == 0) ? 1 : -1;
    // Even rows lie half a cell right of odd rows, so the touching cells of
    // the rows below and above are in column i + row_shift.
    add_neighbour(state, i - 1, j);
    add_neighbour(state, i + 1, j);
    add_neighbour(state, i + state.row_shift, j + 1);
    add_neighbour(state, i + state.row_shift, j - 1);
    add_neighbour(state, i, j + 1);
    add_neighbour(state, i, j - 1);
    const std::uint8_t threshold = state.cells.at(i, j) == 1 ? state.survive_count : state.birth_count;
    state.next_cells.set(i, j, state.neighbours == threshold ? 1 : 0);
}

} // namespace

StepOutcome make_step(BoardState& state)
{
    if (counter_full(state)) {
        return StepOutcome::counter_full;
    }
    const int n = state.grid_size;
    for (int i = 2; i <= n - 1; ++i) {
        for (int j = 2; j <= n - 1; ++j) {
            compute_cell(state, i, j);
        }
    }
    // The edge takes the 0 that next_cells always holds there.
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            state.cells.set(i, j, state.next_cells.at(i, j));
            state.next_cells.set(i, j, 0);
        }
    }
    state.step_number = narrow_checked<std::int16_t>(state.step_number + 1, "step_number");
    return StepOutcome::advanced;
}

} // namespace tavrel
