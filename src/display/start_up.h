#pragma once

namespace tavrel {

// Holds Qt's messages while the application object opens the window system.
// Where no display can be opened, Qt would abort after advising to reinstall
// the program; instead one line names the display and the program ends with
// status 1.
void hold_start_up_messages();
// Stops holding and passes on what was held.
void release_start_up_messages();

} // namespace tavrel
