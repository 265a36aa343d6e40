#pragma once

#include <limits>
#include <stdexcept>
#include <string>

namespace tavrel {

// Thrown when a grid index or a counter leaves its fixed range. The window
// catches it at the edge of every event and ends the program with a message.
class CheckFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Stores a whole number into the fixed width T, or fails naming the variable.
template <typename T>
T narrow_checked(long long value, const char* what)
{
    if (value < static_cast<long long>(std::numeric_limits<T>::min()) ||
        value > static_cast<long long>(std::numeric_limits<T>::max())) {
        throw CheckFailure(std::string(what) + " = " + std::to_string(value) + " does not fit its width");
    }
    return static_cast<T>(value);
}

} // namespace tavrel
