#pragma once

#include "board/check.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavrel {

// A 41 x 41 grid of cell values, column-major: cell (i, j) is element j * 41 + i.
// Every access is tested against 0..40 in both indices.
class Grid {
public:
    static constexpr int kMaxIndex = 40;

    [[nodiscard]] std::int16_t at(int i, int j) const { return data_[offset(i, j)]; }
    void set(int i, int j, std::int16_t value) { data_[offset(i, j)] = value; }

    bool operator==(const Grid&) const = default;

private:
    static constexpr int kSide = kMaxIndex + 1;

    static int offset(int i, int j)
    {
        if (i < 0 || i > kMaxIndex || j < 0 || j > kMaxIndex) {
            throw CheckFailure("grid index (" + std::to_string(i) + ", " + std::to_string(j) + ") outside 0..40");
        }
        return j * kSide + i;
    }

    std::array<std::int16_t, std::size_t{kSide} * kSide> data_{};
};

} // namespace tavrel
