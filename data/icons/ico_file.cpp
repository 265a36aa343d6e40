#include "ico_file.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace tavrel::icons {
namespace {

void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((value >> 8U) & 0xFFU));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16U);
}

unsigned bits_per_pixel(const Picture& picture)
{
    switch (picture.palette.size()) {
    case 2: return 1;
    case 16: return 4;
    default: throw std::invalid_argument("an icon picture needs 2 or 16 colours");
    }
}

// Bitmap rows are padded to whole 32-bit words.
unsigned row_bytes(unsigned width, unsigned bits)
{
    return (width * bits + 31U) / 32U * 4U;
}

// One image: header, palette, colour rows, mask rows; rows run bottom-up.
std::vector<std::uint8_t> bitmap(const Picture& picture)
{
    const unsigned bits = bits_per_pixel(picture);
    const auto size = static_cast<unsigned>(picture.size);
    const unsigned colour_row = row_bytes(size, bits);
    const unsigned mask_row = row_bytes(size, 1);

    std::vector<std::uint8_t> out;
    put32(out, 40);        // header size
    put32(out, size);      // width
    put32(out, 2 * size);  // height of colour and mask together
    put16(out, 1);         // planes
    put16(out, bits);
    put32(out, 0);         // no compression
    put32(out, (colour_row + mask_row) * size);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);         // every palette entry is used
    put32(out, 0);
    for (const Rgb& c : picture.palette) {
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }

    const unsigned per_byte = 8U / bits;
    for (int y = picture.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colour_row, 0);
        for (int x = 0; x < picture.size; ++x) {
            const unsigned shift = 8U - bits * (static_cast<unsigned>(x) % per_byte + 1U);
            row[static_cast<unsigned>(x) / per_byte] |= static_cast<std::uint8_t>(picture.index_at(x, y) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = picture.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_row, 0);
        for (int x = 0; x < picture.size; ++x) {
            if (!picture.opaque_at(x, y)) {
                row[static_cast<unsigned>(x) / 8U] |= static_cast<std::uint8_t>(0x80U >> (static_cast<unsigned>(x) % 8U));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> ico_file(const std::vector<Picture>& pictures)
{
    std::vector<std::vector<std::uint8_t>> images;
    images.reserve(pictures.size());
    std::transform(pictures.begin(), pictures.end(), std::back_inserter(images), bitmap);

    std::vector<std::uint8_t> out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<unsigned>(pictures.size()));
    auto offset = static_cast<unsigned>(6 + 16 * pictures.size());
    for (std::size_t k = 0; k < pictures.size(); ++k) {
        const Picture& picture = pictures[k];
        out.push_back(static_cast<std::uint8_t>(picture.size));
        out.push_back(static_cast<std::uint8_t>(picture.size));
        out.push_back(static_cast<std::uint8_t>(picture.palette.size()));
        out.push_back(0);
        put16(out, 1);
        put16(out, bits_per_pixel(picture));
        put32(out, static_cast<unsigned>(images[k].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(images[k].size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

} // namespace tavrel::icons
