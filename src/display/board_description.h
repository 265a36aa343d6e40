#pragma once

#include "board/board_state.h"

#include <QString>

class QWidget;

namespace tavrel {

// What a screen reader says about the board: what it shows, the generation
// number and the live-cell count of the latest drawing.
QString board_description(int grid_size, int generation, int live_cells);

// Keeps a widget's accessible description in step with the board. It is
// refreshed after every drawing, so it formats the text only when one of the
// numbers has changed.
class BoardDescription {
public:
    void refresh(QWidget& board, const BoardState& state);

private:
    bool described_ = false;
    int grid_size_ = 0;
    int generation_ = 0;
    int live_cells_ = 0;
};

} // namespace tavrel
