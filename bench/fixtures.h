#pragma once

#include "board/board_state.h"
#include "display/tavrel.h"

namespace tavrel::bench {

// The state as the load event leaves it, with the cells of generation 201 of
// the run that starts from the first New of a fresh program: 152 live cells.
[[nodiscard]] BoardState mid_state();

// The program's window, created and shown on first use and kept for every
// benchmark that needs it.
Tavrel& shown_window();
// Destroys the window; called before the application object goes.
void close_shown_window();

} // namespace tavrel::bench
