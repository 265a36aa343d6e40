#pragma once

#include "board/board_state.h"

#include <set>
#include <utility>

namespace tavrel::testing {

using CellSet = std::set<std::pair<int, int>>;

// The state as the load event leaves it: 25 x 25 board, both thresholds 2.
inline BoardState loaded_board(int threshold = 2)
{
    BoardState s;
    s.cell_size = 10;
    s.grid_size = 25;
    s.birth_count = static_cast<std::uint8_t>(threshold);
    s.survive_count = static_cast<std::uint8_t>(threshold);
    s.running = kTrue;
    return s;
}

inline void set_alive(BoardState& s, const CellSet& cells)
{
    for (const auto& [i, j] : cells) {
        s.cells.set(i, j, 1);
    }
}

// Live cells of the whole grid 0..40, outside cells included.
inline CellSet live_cells(const Grid& grid)
{
    CellSet live;
    for (int i = 0; i <= Grid::kMaxIndex; ++i) {
        for (int j = 0; j <= Grid::kMaxIndex; ++j) {
            if (grid.at(i, j) != 0) {
                live.insert({i, j});
            }
        }
    }
    return live;
}

inline void fill_board(BoardState& s)
{
    for (int i = 1; i <= s.grid_size; ++i) {
        for (int j = 1; j <= s.grid_size; ++j) {
            s.cells.set(i, j, 1);
        }
    }
}

} // namespace tavrel::testing
