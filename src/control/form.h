#pragma once

#include "board/board_state.h"
#include "board/random_source.h"
#include "display/canvas.h"
#include "display/check_box_value.h"

namespace tavrel {

// The services of the window's runtime that the event procedures use. The
// window provides the real one; tests provide fakes that count and script.
class Runtime : public CheckBoxValue {
public:
    // The program's one random sequence, shared by seeding and the run.
    virtual UniformSource& random() = 0;
    // Runs every window event waiting in the queue, then returns.
    virtual void do_events() = 0;
    // Ends the program: the window closes and no further procedure runs.
    virtual void end() = 0;
    // The toolkit's beep, for a command that cannot be carried out.
    virtual void beep() = 0;
};

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
    // Whether the full generation counter has beeped in the runs going on.
    bool counter_beeped = false;
};

} // namespace tavrel
