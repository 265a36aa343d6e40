// Reads a screenshot and prints, for every board cell, the fill seen at its
// centre: "i j live|dead|died|other". The window's client area starts at the
// given origin in the screenshot.
#include <QColor>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

const char* fill_name(QColor c)
{
    if (c == QColor(255, 240, 0)) {
        return "live";
    }
    if (c == QColor(90, 90, 210)) {
        return "dead";
    }
    if (c == QColor(180, 120, 0)) {
        return "died";
    }
    return "other";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s screenshot.png origin-x origin-y\n", argv[0]);
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const int origin_x = std::atoi(argv[2]);
    const int origin_y = std::atoi(argv[3]);
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            const int x = origin_x + (j % 2 == 0 ? 65 : 55) + 20 * i;
            const int y = origin_y + 10 + 17 * j;
            std::printf("%d %d %s\n", i, j, fill_name(shot.pixelColor(x, y)));
        }
    }
    return 0;
}
