#include "board/make_step.h"

#include "board/check.h"

#include <cstdint>
#include <limits>

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
    std::int16_t next = 0;
    if (state.cells.at(i, j) == 1) {
        next = (state.neighbours == state.survive_count) ? 1 : 0;
    } else {
        next = (state.neighbours == state.birth_count) ? 1 : 0;
    }
    state.next_cells.set(i, j, next);
}

// The step as written, testing every grid index and every partial sum as it
// goes. It is what make_step does whenever the tests of step_in_proven_range
// do not hold, so that a failure happens exactly where it always did.
void step_testing_each_access(BoardState& state)
{
    const int n = state.grid_size;
    for (int i = 2; i <= n - 1; ++i) {
        for (int j = 2; j <= n - 1; ++j) {
            compute_cell(state, i, j);
        }
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            state.cells.set(i, j, state.next_cells.at(i, j));
            state.next_cells.set(i, j, 0);
        }
    }
}

// The tests that cover every test of step_testing_each_access, made once:
// - every index the step uses lies in 1..n (neighbours of 2..n-1, and the
//   commit over 1..n), so n <= 40 covers every grid index test;
// - every neighbour read is a board cell in 1..n; when all of those lie in
//   0..31, each of the six partial sums lies in 0..186, inside both the
//   16-bit sum and the unsigned 8-bit count, so no width test can fail.
bool step_in_proven_range(const BoardState& state)
{
    const int n = state.grid_size;
    if (n > Grid::kMaxIndex) {
        return false;
    }
    std::uint16_t any_high_bit = 0;
    for (int j = 1; j <= n; ++j) {
        const auto row = state.cells.row(j);
        for (int i = 1; i <= n; ++i) {
            any_high_bit |= static_cast<std::uint16_t>(row[static_cast<std::size_t>(i)]);
        }
    }
    return (any_high_bit & ~std::uint16_t{31}) == 0;
}

// The same step with the tests of step_in_proven_range made beforehand. It
// visits rows in the outer loop, along memory; the order changes no result,
// and the working fields are left as the column-by-column order leaves them.
void step_in_range(BoardState& state)
{
    const int n = state.grid_size;
    for (int j = 2; j <= n - 1; ++j) {
        const auto above = state.cells.row(j - 1);
        const auto here = state.cells.row(j);
        const auto below = state.cells.row(j + 1);
        const auto next = state.next_cells.row(j);
        // Even rows lie half a cell right of odd rows, so the touching cells of
        // the rows below and above are in column i + shift.
        const int shift = (j % 2 == 0) ? 1 : -1;
        for (int i = 2; i <= n - 1; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const auto beside = static_cast<std::size_t>(i + shift);
            const int count = here[at - 1] + here[at + 1] + below[beside] + above[beside] + below[at] + above[at];
            const int threshold = here[at] == 1 ? state.survive_count : state.birth_count;
            next[at] = (count == threshold) ? 1 : 0;
        }
    }
    if (n >= 3) {
        // The last cell computed column by column is (n - 1, n - 1).
        const auto last = static_cast<std::size_t>(n - 1);
        const auto beside = static_cast<std::size_t>(n - 1 + ((n - 1) % 2 == 0 ? 1 : -1));
        const auto above = state.cells.row(n - 2);
        const auto here = state.cells.row(n - 1);
        const auto below = state.cells.row(n);
        state.row_shift = ((n - 1) % 2 == 0) ? 1 : -1;
        state.neighbours = static_cast<std::uint8_t>(here[last - 1] + here[last + 1] + below[beside] +
                                                     above[beside] + below[last] + above[last]);
    }
    for (int j = 1; j <= n; ++j) {
        const auto cells = state.cells.row(j);
        const auto next = state.next_cells.row(j);
        for (int i = 1; i <= n; ++i) {
            cells[static_cast<std::size_t>(i)] = next[static_cast<std::size_t>(i)];
            next[static_cast<std::size_t>(i)] = 0;
        }
    }
}

} // namespace

StepOutcome make_step(BoardState& state)
{
    if (state.step_number == std::numeric_limits<std::int16_t>::max()) {
        return StepOutcome::counter_full;
    }
    if (step_in_proven_range(state)) {
        step_in_range(state);
    } else {
        step_testing_each_access(state);
    }
    state.step_number = narrow_checked<std::int16_t>(state.step_number + 1, "step_number");
    return StepOutcome::advanced;
}

} // namespace tavrel
