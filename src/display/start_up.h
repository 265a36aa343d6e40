#pragma once

namespace tavrel {

// Holds Qt's messages while the application object opens the window system.
// Where that fails and no display answers, Qt would abort after advising to
// reinstall the program; instead one line names the displays the program was
// given and it ends with status 1. Any other failure keeps Qt's own words.
// Reads -display from the arguments before Qt takes it out.
void hold_start_up_messages(int argc, char** argv);
// Stops holding and passes on what was held.
void release_start_up_messages();

} // namespace tavrel
