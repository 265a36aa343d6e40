#include "display/board_description.h"

#include <QWidget>

namespace tavrel {

QString board_description(int grid_size, int generation, int live_cells)
{
    const QString cells = live_cells == 1 ? QStringLiteral("1 live cell") : QStringLiteral("%1 live cells").arg(live_cells);
    return QStringLiteral("Hexagonal board of %1 by %1 cells: live cells yellow, dead cells blue. Generation %2, %3.")
        .arg(grid_size)
        .arg(generation)
        .arg(cells);
}

void BoardDescription::refresh(QWidget& board, const BoardState& state)
{
    if (described_ && state.grid_size == grid_size_ && state.step_number == generation_ &&
        state.live_count == live_cells_) {
        return;
    }
    described_ = true;
    grid_size_ = state.grid_size;
    generation_ = state.step_number;
    live_cells_ = state.live_count;
    board.setAccessibleDescription(board_description(grid_size_, generation_, live_cells_));
}

} // namespace tavrel
