#include "display/window_icon.h"

#include "icon_pictures.h"

#include <QImage>
#include <QPixmap>

namespace tavrel {
namespace {

// Built straight from the pictures the icon files are made of: no file to
// read and no image format to decode while the window opens.
QImage to_image(const icons::Picture& picture)
{
    QImage image(picture.size, picture.size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.size; ++x) {
            const Rgb c = picture.palette[picture.index_at(x, y)];
            line[x] = picture.opaque_at(x, y) ? qRgb(c.red, c.green, c.blue) : qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

} // namespace

QIcon window_icon()
{
    const auto pictures = icons::icon_pictures();
    QIcon icon;
    // The 16-colour images; the 2-colour one is for displays of two colours.
    icon.addPixmap(QPixmap::fromImage(to_image(pictures[1])));
    icon.addPixmap(QPixmap::fromImage(to_image(pictures[2])));
    return icon;
}

} // namespace tavrel
