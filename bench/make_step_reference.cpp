#include "make_step_reference.h"

namespace tavrel::bench {

// Visits rows in the outer loop, so the inner loop runs along memory; the
// visiting order changes no result.
void reference_step(RawBoard& board)
{
    constexpr int kSide = RawBoard::kSide;
    const int n = board.grid_size;
    std::int16_t* const next = board.next_cells.data();
    const std::int16_t* const cells = board.cells.data();
    for (int j = 2; j <= n - 1; ++j) {
        const int shift = (j % 2 == 0) ? 1 : -1;
        for (int i = 2; i <= n - 1; ++i) {
            const int at = j * kSide + i;
            const int count = cells[at - 1] + cells[at + 1] + cells[at + kSide + shift] +
                              cells[at - kSide + shift] + cells[at + kSide] + cells[at - kSide];
            const int threshold = cells[at] == 1 ? board.survive_count : board.birth_count;
            next[at] = count == threshold ? 1 : 0;
        }
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            const int at = j * kSide + i;
            board.cells[static_cast<std::size_t>(at)] = next[at];
            next[at] = 0;
        }
    }
    ++board.step_number;
}

} // namespace tavrel::bench
