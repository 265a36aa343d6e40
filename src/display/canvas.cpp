#include "display/canvas.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavrel {

std::string format_number(double value)
{
    std::array<char, 64> digits{};
    const double magnitude = std::fabs(value);
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
    std::string text(std::signbit(value) && value != 0.0 ? "-" : " ");
    text.append(digits.data(), result.ptr);
    text += ' ';
    return text;
}

std::string format_print_items(std::initializer_list<PrintItem> items)
{
    std::string line;
    for (const PrintItem& item : items) {
        if (const auto* text = std::get_if<std::string_view>(&item)) {
            line += *text;
        } else {
            line += format_number(std::get<double>(item));
        }
    }
    return line;
}

} // namespace tavrel
