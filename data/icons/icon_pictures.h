#pragma once

#include "display/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel::icons {

// One image of the icon: a square of palette indices, each pixel either
// opaque or showing the desktop through.
struct Picture {
    int size = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels; // palette index, rows from the top
    std::vector<bool> opaque;

    [[nodiscard]] std::uint8_t index_at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
    [[nodiscard]] bool opaque_at(int x, int y) const { return opaque[static_cast<std::size_t>(y * size + x)]; }
};

// The program's icon, in the order its icon file holds the images:
// 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.
std::vector<Picture> icon_pictures();

// The 32 x 32 picture drawn as scalable SVG.
std::string icon_svg();

} // namespace tavrel::icons
