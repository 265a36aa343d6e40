#pragma once

#include "control/form.h"
#include "display/tavrel.h"

namespace tavrel::bench {

// The program's window, created and shown on first use and kept for every
// benchmark that needs it.
Tavrel& shown_window();
// The window's form, to set a board as the procedures would leave it.
Form& form_of(Tavrel& window);
// Destroys the window; called before the application object goes.
void close_shown_window();

} // namespace tavrel::bench
