#pragma once

#include <QFont>
#include <QPalette>

namespace tavrel {

// The window's font: its text line is 13 pixels high, which the status
// text's fixed positions rely on.
QFont form_font();
// The form's colours: light on every desktop.
QPalette form_palette();

} // namespace tavrel
