#include "board/make_step.h"
#include "board/seeding.h"
#include "control/procedures.h"
#include "display/draw_tavrel.h"

namespace tavrel {

void draw_tavrel(Form& form)
{
    draw_tavrel(form.state, form.canvas, form.runtime);
}

void Form_Load(Form& form)
{
    BoardState& s = form.state;
    s.birth_count = 2;
    s.survive_count = 2;
    s.step_number = 0;
    s.cell_size = 10;
    s.grid_size = 25;
    s.running = kTrue;
    form.canvas.DrawWidth(2);
    draw_tavrel(form);
}

void New_Click(Form& form)
{
    seed_board(form.state, form.runtime.random());
    draw_tavrel(form);
    form.state.running = kTrue;
}

void Go_Click(Form& form)
{
    if (make_step(form.state) == StepOutcome::counter_full) {
        form.runtime.beep();
        return;
    }
    draw_tavrel(form);
}

void Stop_Click(Form& form)
{
    form.state.running = kFalse;
}

void Exit_Click(Form& form)
{
    form.ended = true;
    form.runtime.end();
}

} // namespace tavrel
