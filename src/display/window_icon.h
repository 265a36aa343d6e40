#pragma once

#include <QIcon>

namespace tavrel {

// The program's icon as the window shows it: 32 x 32 and 16 x 16, the
// images in 16 colours of the icon file.
QIcon window_icon();

} // namespace tavrel
