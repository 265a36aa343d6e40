#include "icon_pictures.h"

#include "display/draw_tavrel.h"

#include <cmath>
#include <cstdio>

namespace tavrel::icons {
namespace {

// A few cells packed as on the board: rows 1.7 radii apart, alternate rows
// shifted by one radius.
struct Cell {
    double x;
    double y;
    bool alive;
};

struct Layout {
    int size;
    double radius;
    double outline; // width of the ring, inside the radius
    std::vector<Cell> cells;
};

// Seven cells, a diagonal line of three alive through the middle one.
Layout large_layout()
{
    const double r = 5.0;
    const double row = 1.7 * r;
    const double mid = 16.0;
    return {32, r, 1.5,
            {{mid - r, mid - row, false}, {mid + r, mid - row, true},
             {mid - 2 * r, mid, false}, {mid, mid, true}, {mid + 2 * r, mid, false},
             {mid - r, mid + row, true}, {mid + r, mid + row, false}}};
}

// Three cells, two of them alive: the seven do not read at this size.
Layout small_layout()
{
    const double r = 4.0;
    const double top = 8.0 - 0.85 * r;
    return {16, r, 1.25, {{8.0 - r, top, true}, {8.0 + r, top, false}, {8.0, top + 1.7 * r, true}}};
}

// Palette slots; slot 0 stays black so that transparent pixels leave the
// screen as it is wherever the mask is applied by exclusive or.
constexpr std::uint8_t kClear = 0;
constexpr std::uint8_t kRing = 1;
constexpr std::uint8_t kLive = 2;
constexpr std::uint8_t kDead = 3;

struct Inks {
    std::vector<Rgb> palette;
    std::uint8_t ring;
    std::uint8_t live;
    std::uint8_t dead;
};

// Board colours in a 16-entry palette, the unused entries black.
Inks sixteen_colours()
{
    std::vector<Rgb> palette(16, colour(0, 0, 0));
    palette[kRing] = kOutline;
    palette[kLive] = kLiveFill;
    palette[kDead] = kDeadFill;
    return {palette, kRing, kLive, kDead};
}

// Two colours: black rings and dead cells, yellow live cells.
Inks two_colours()
{
    return {{colour(0, 0, 0), kLiveFill}, 0, 1, 0};
}

// Each pixel takes the fill of a cell whose inner disc holds its centre,
// else the ring of a cell whose disc holds it, else it is transparent.
Picture rasterise(const Layout& layout, const Inks& inks)
{
    Picture picture;
    picture.size = layout.size;
    picture.palette = inks.palette;
    const auto count = static_cast<std::size_t>(layout.size * layout.size);
    picture.pixels.assign(count, kClear);
    picture.opaque.assign(count, false);
    for (int y = 0; y < layout.size; ++y) {
        for (int x = 0; x < layout.size; ++x) {
            const auto at = static_cast<std::size_t>(y * layout.size + x);
            for (const Cell& cell : layout.cells) {
                const double d = std::hypot(x + 0.5 - cell.x, y + 0.5 - cell.y);
                if (d <= layout.radius - layout.outline) {
                    picture.pixels[at] = cell.alive ? inks.live : inks.dead;
                    picture.opaque[at] = true;
                    break;
                }
                if (d <= layout.radius) {
                    picture.pixels[at] = inks.ring;
                    picture.opaque[at] = true;
                }
            }
        }
    }
    return picture;
}

std::string hex(Rgb c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::vector<Picture> icon_pictures()
{
    return {rasterise(large_layout(), two_colours()), rasterise(large_layout(), sixteen_colours()),
            rasterise(small_layout(), sixteen_colours())};
}

std::string icon_svg()
{
    const Layout layout = large_layout();
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!-- Made by make_icons from icon_pictures.cpp; edit that, not this. -->\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n";
    for (const Cell& cell : layout.cells) {
        svg += "  <circle cx=\"" + number(cell.x) + "\" cy=\"" + number(cell.y) + "\" r=\"" +
               number(layout.radius - layout.outline / 2) + "\" fill=\"" +
               hex(cell.alive ? kLiveFill : kDeadFill) + "\" stroke=\"" + hex(kOutline) +
               "\" stroke-width=\"" + number(layout.outline) + "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace tavrel::icons
