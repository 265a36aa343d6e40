#include "boards.h"

#include <array>

namespace tavrel::bench {
namespace {

// Generation 201 of the run that starts from the first New of a fresh
// program (thresholds drawn as the run draws them). Row j = 1..25 top down,
// column i = 1..25 left to right; '#' is a live cell.
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

} // namespace

std::string_view board_name(BoardKind kind)
{
    switch (kind) {
    case BoardKind::empty: return "empty";
    case BoardKind::mid: return "mid";
    case BoardKind::full: return "full";
    }
    return "?";
}

BoardState loaded_state(BoardKind kind)
{
    BoardState s;
    s.birth_count = 2;
    s.survive_count = 2;
    s.cell_size = 10;
    s.grid_size = 25;
    s.running = kTrue;
    for (int j = 1; j <= 25; ++j) {
        for (int i = 1; i <= 25; ++i) {
            const bool alive = kind == BoardKind::full ||
                               (kind == BoardKind::mid && kMidBoard[static_cast<std::size_t>(j - 1)]
                                                                   [static_cast<std::size_t>(i - 1)] == '#');
            s.cells.set(i, j, alive ? 1 : 0);
        }
    }
    return s;
}

} // namespace tavrel::bench
