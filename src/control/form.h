#pragma once

#include "board/board_state.h"
#include "control/runtime.h"
#include "display/canvas.h"

namespace tavrel {

// The form: its board state and what its procedures draw on and call.
struct Form {
    Form(Canvas& form_canvas, Runtime& form_runtime) : canvas(form_canvas), runtime(form_runtime) {}

    BoardState state;
    Canvas& canvas;
    Runtime& runtime;
    // Set once the program is ending; from then on no procedure runs.
    bool ended = false;
    // How many runs are going on, each nested in the yield of the one before.
    int run_depth = 0;
};

} // namespace tavrel
