#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace tavrel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Rgb{red, green, blue};
}

// One item of a Print: text written as it stands, or a number.
using PrintItem = std::variant<std::string_view, double>;

// Text of a number as Print writes it: a leading blank (or the minus sign),
// the shortest digits that give the value back, a trailing blank. Whole
// numbers print without a decimal point.
std::string format_number(double value);
std::string format_print_items(std::initializer_list<PrintItem> items);

// The drawing surface of the window: pixels, origin top-left, y downwards.
// What is drawn stays until drawn over.
class Canvas {
public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas() = default;

    // Pen width in pixels for everything drawn afterwards.
    virtual void DrawWidth(int width) = 0;
    // 0: closed shapes drawn afterwards are filled solid.
    virtual void FillStyle(int style) = 0;
    virtual void FillColor(Rgb fill) = 0;
    // Full circle centred at (x, y), outlined in `outline` at the pen width,
    // filled with the fill colour.
    virtual void Circle(float x, float y, float radius, Rgb outline) = 0;
    // Rectangle with corners (x1, y1) and (x2, y2), filled and outlined in `c`.
    virtual void Line(float x1, float y1, float x2, float y2, Rgb c) = 0;
    // Sets the pixel in the foreground colour and moves the text cursor there.
    virtual void PSet(float x, float y) = 0;
    // Writes the items at the text cursor, then moves the cursor to x = 0 of
    // the next text line.
    virtual void Print(std::initializer_list<PrintItem> items) = 0;
};

} // namespace tavrel
