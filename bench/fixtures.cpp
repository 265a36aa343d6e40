#include "fixtures.h"

#include <QTest>

#include <array>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace tavrel::bench {
namespace {

// Row j = 1..25 top down, column i = 1..25 left to right; '#' is a live cell.
constexpr std::array<std::string_view, 25> kMidBoard{
    ".........................", "...#......#.#..###.##....", "....#...##..#.....#..#...",
    "...#....#...#..##...#....", "....##..#.......#.#.#....", "...####.#...##...#.......",
    "...#.##.#.##......####...", "......#.#..##...#.#.#....", ".##.....#.#..##.#####.#..",
    ".#...#.#..#.#...###......", ".......#.....#..#.####...", "....#..#...#...#.#.#.....",
    ".......####..####.#..#...", "........#......##.####...", ".........#........#......",
    "....#..#.##..#.#..#......", "....#.##.#...##.#........", "....#.........#..........",
    "....###.#..#....##....#..", "....#.#..##....#......#..", ".....#.#.#.#...###.......",
    ".....##..#.#..##.........", "....#....................", ".....####..#.............",
    ".........................",
};

std::unique_ptr<Tavrel>& window_slot()
{
    static std::unique_ptr<Tavrel> window;
    return window;
}

} // namespace

BoardState mid_state()
{
    BoardState s;
    s.birth_count = 2;
    s.survive_count = 2;
    s.cell_size = 10;
    s.grid_size = 25;
    s.running = kTrue;
    for (int j = 1; j <= 25; ++j) {
        for (int i = 1; i <= 25; ++i) {
            const char cell = kMidBoard[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)];
            s.cells.set(i, j, cell == '#' ? 1 : 0);
        }
    }
    return s;
}

Tavrel& shown_window()
{
    auto& window = window_slot();
    if (!window) {
        window = std::make_unique<Tavrel>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            throw std::runtime_error("the window was never exposed");
        }
    }
    return *window;
}

void close_shown_window()
{
    window_slot().reset();
}

} // namespace tavrel::bench
