// Writes the program's icon files from icon_pictures.cpp:
//   tavrel_make_icons data/icons
// The files it writes are kept in the repository next to this source.
#include "ico_file.h"
#include "icon_pictures.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

QImage to_image(const tavrel::icons::Picture& picture)
{
    QImage image(picture.size, picture.size, QImage::Format_ARGB32);
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const tavrel::Rgb c = picture.palette[picture.index_at(x, y)];
            image.setPixel(x, y, picture.opaque_at(x, y) ? qRgba(c.red, c.green, c.blue, 255) : qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

bool write_bytes(const std::string& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(data, static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::string base = dir + "/org.tavrel.Tavrel";
    const auto pictures = tavrel::icons::icon_pictures();
    const auto ico = tavrel::icons::ico_file(pictures);
    const std::string svg = tavrel::icons::icon_svg();

    bool ok = write_bytes(base + ".ico", reinterpret_cast<const char*>(ico.data()), ico.size());
    ok = write_bytes(base + ".svg", svg.data(), svg.size()) && ok;
    // The menu's PNG icons are the 16-colour pictures.
    ok = to_image(pictures[1]).save(QString::fromStdString(base + "-32.png")) && ok;
    ok = to_image(pictures[2]).save(QString::fromStdString(base + "-16.png")) && ok;
    if (!ok) {
        std::fprintf(stderr, "%s: could not write the icon files into %s\n", argv[0], dir.c_str());
        return 1;
    }
    return 0;
}
