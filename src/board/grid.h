#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tavrel {

// A 41 x 41 grid of cell values, column-major: cell (i, j) is element j * 41 + i.
// Every access is tested against 0..40 in both indices.
class Grid {
public:
    static constexpr int kMaxIndex = 40;
    static constexpr int kSide = kMaxIndex + 1;

    [[nodiscard]] std::int16_t at(int i, int j) const { return data_[offset(i, j)]; }
    void set(int i, int j, std::int16_t value) { data_[offset(i, j)] = value; }

    // Cells (0, j)..(40, j), which lie next to each other. Only j is tested
    // here: a loop that indexes the row must have tested its own range of i
    // against 0..40 before it began.
    [[nodiscard]] std::span<const std::int16_t, kSide> row(int j) const
    {
        return std::span<const std::int16_t, kSide>(data_.data() + offset(0, j), kSide);
    }
    [[nodiscard]] std::span<std::int16_t, kSide> row(int j)
    {
        return std::span<std::int16_t, kSide>(data_.data() + offset(0, j), kSide);
    }

    [[nodiscard]] static bool in_bounds(int i, int j)
    {
        return i >= 0 && i <= kMaxIndex && j >= 0 && j <= kMaxIndex;
    }

    bool operator==(const Grid&) const = default;

private:
    static int offset(int i, int j)
    {
        if (!in_bounds(i, j)) {
            fail_index(i, j);
        }
        return j * kSide + i;
    }
    [[noreturn]] static void fail_index(int i, int j);

    std::array<std::int16_t, std::size_t{kSide} * kSide> data_{};
};

} // namespace tavrel
