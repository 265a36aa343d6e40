#include "display/form_look.h"

#include <QColor>

#include <array>
#include <cstddef>
#include <utility>

namespace tavrel {

QFont form_font()
{
    // At its own width the condensed face leaves the last letter of
    // "К-т наслед-я" one pixel outside its 65-pixel label; 85 (of its 87)
    // brings every caption inside its control and keeps the 13-pixel line.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setStretch(85);
    return font;
}

// The board's colours and the white boxes under the numbers are fixed and
// suit a light window, and the numbers' one text colour must read both on the
// boxes and, where they run past a box, on the window. So the form's colours
// are fixed too, whatever the style, the platform theme or the desktop say:
// Qt's own light ones, for an enabled and a disabled control, in the order of
// the colour roles.
QPalette form_palette()
{
    static constexpr std::array<std::pair<QRgb, QRgb>, 22> kColours{{
        {0xff000000, 0xffbebebe}, // WindowText
        {0xffefefef, 0xffefefef}, // Button
        {0xffffffff, 0xffffffff}, // Light
        {0xffcacaca, 0xffcacaca}, // Midlight
        {0xff9f9f9f, 0xffbebebe}, // Dark
        {0xffb8b8b8, 0xffb8b8b8}, // Mid
        {0xff000000, 0xffbebebe}, // Text
        {0xffffffff, 0xffffffff}, // BrightText
        {0xff000000, 0xffbebebe}, // ButtonText
        {0xffffffff, 0xffefefef}, // Base
        {0xffefefef, 0xffefefef}, // Window
        {0xff767676, 0xffb1b1b1}, // Shadow
        {0xff308cc6, 0xff919191}, // Highlight
        {0xffffffff, 0xffffffff}, // HighlightedText
        {0xff0000ff, 0xff0000ff}, // Link
        {0xffff00ff, 0xffff00ff}, // LinkVisited
        {0xfff7f7f7, 0xfff7f7f7}, // AlternateBase
        {0xff000000, 0xff000000}, // NoRole
        {0xffffffdc, 0xffffffdc}, // ToolTipBase
        {0xff000000, 0xff000000}, // ToolTipText
        {0x80000000, 0x80000000}, // PlaceholderText
        {0xff308cc6, 0xff919191}, // Accent, from Qt 6.6 on
    }};
    static_assert(kColours.size() >= QPalette::NColorRoles);
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto [enabled, disabled] = kColours.at(static_cast<std::size_t>(role));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role),
                             QColor::fromRgba(group == QPalette::Disabled ? disabled : enabled));
        }
    }
    return palette;
}

} // namespace tavrel
