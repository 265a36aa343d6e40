#include "board/check.h"
#include "board/make_step.h"
#include "control/procedures.h"

#include <cmath>
#include <utility>

namespace tavrel {
namespace {

// floor((live_count / 2000 + 1) * r) + 2: 3 with probability
// live_count / (2000 + live_count), 2 otherwise.
float draw_heredity(std::int16_t live_count, float r)
{
    const double weight = live_count / 2000.0 + 1.0;
    return static_cast<float>(std::floor(weight * static_cast<double>(r)) + 2.0);
}

std::uint8_t threshold_of(float heredity)
{
    return narrow_checked<std::uint8_t>(std::llrint(heredity), "threshold");
}

} // namespace

bool run_pass(Form& form)
{
    BoardState& s = form.state;
    // A full generation counter ends the run before its threshold is drawn,
    // so the random sequence and the thresholds stay as they were. A beep
    // says why, as Go's does: once for the run and all runs nested in it.
    if (counter_full(s)) {
        if (!std::exchange(form.counter_beeped, true)) {
            form.runtime.beep();
        }
        return false;
    }
    s.heredity = draw_heredity(s.live_count, form.runtime.random().next());
    s.birth_count = threshold_of(s.heredity);
    s.survive_count = threshold_of(s.heredity);
    (void)make_step(s); // advances: the counter was tested above
    draw_tavrel(form);
    // Events queued during the pass run here, and may change the board,
    // the flag, or end the program.
    form.runtime.do_events();
    return !form.ended && s.live_count != 0;
}

void Run_Click(Form& form)
{
    form.state.running = kTrue;
    // Every queued click on Run nests one more run, and a burst of thousands
    // would overflow the stack. The innermost run already does what a deeper
    // one would: passes until the flag is cleared or the board is empty.
    if (form.run_depth >= kMaxNestedRuns) {
        return;
    }
    if (form.run_depth == 0) {
        form.counter_beeped = false; // a new run may beep again
    }
    ++form.run_depth;
    while (form.state.running == kTrue && !form.ended) {
        if (!run_pass(form)) {
            break;
        }
    }
    --form.run_depth;
}

} // namespace tavrel
