#pragma once

#include <QIcon>

namespace tavrel {

// The program's icon, built in as a resource: 32 x 32 in 2 and in 16 colours,
// 16 x 16 in 16 colours.
QIcon window_icon();

} // namespace tavrel
