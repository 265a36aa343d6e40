#pragma once

#include "control/form.h"

#include <cstdint>

namespace tavrel {

// The event procedures of the form, each named after the control and event
// it serves.
void Form_Load(Form& form);
void New_Click(Form& form);
void Go_Click(Form& form);
void Run_Click(Form& form);
// A click on Run during a run nests a run in the yield; deeper than this a
// click only sets the flag and leaves the passes to the runs going on.
inline constexpr int kMaxNestedRuns = 256;
// One pass of Run_Click's loop: draw the threshold, one generation, draw,
// yield to queued events. False when the run ends here: the generation
// counter is full (it beeps), the program is ending, or no cell is left alive.
bool run_pass(Form& form);
void Stop_Click(Form& form);
void Exit_Click(Form& form);
// button and shift are the event's masks; every button and modifier acts alike.
void Form_MouseDown(Form& form, std::int16_t button, std::int16_t shift, float x, float y);

// Draws the form's board with the form's canvas and check box.
void draw_tavrel(Form& form);

} // namespace tavrel
