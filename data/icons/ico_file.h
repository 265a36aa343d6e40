#pragma once

#include "icon_pictures.h"

#include <cstdint>
#include <vector>

namespace tavrel::icons {

// An icon file holding the pictures as palette bitmaps (1 bit per pixel for
// 2 colours, 4 bits for 16) with their transparency masks.
std::vector<std::uint8_t> ico_file(const std::vector<Picture>& pictures);

} // namespace tavrel::icons
