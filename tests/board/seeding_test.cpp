#include "board/random_source.h"
#include "board/seeding.h"
#include "board_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace tavrel {
namespace {

using testing::CellSet;
using testing::live_cells;
using testing::loaded_board;

// Counts the draws and hands out scripted values when given some.
class CountingSource final : public UniformSource {
public:
    explicit CountingSource(std::vector<float> script = {}) : script_(std::move(script)) {}
    float next() override
    {
        const float r = script_.empty() ? inner_.next() : script_[drawn_ % script_.size()];
        ++drawn_;
        return r;
    }
    int drawn_ = 0;

private:
    std::vector<float> script_;
    RandomSource inner_;
};

TEST(RandomSource, ValuesLieInTheHalfOpenUnitInterval)
{
    RandomSource random;
    for (int n = 0; n < 200000; ++n) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
    }
    EXPECT_EQ(random.drawn(), 200000U);
}

TEST(RandomSource, EveryFreshSourceGivesTheSameSequence)
{
    RandomSource first;
    RandomSource second;
    for (int n = 0; n < 1000; ++n) {
        ASSERT_EQ(first.next(), second.next());
    }
}

TEST(Seeding, PlacesOneToTenCellsNearTheCentre)
{
    CountingSource random;
    for (int round = 0; round < 500; ++round) {
        BoardState s = loaded_board();
        testing::fill_board(s);
        s.step_number = 77;
        seed_board(s, random);
        const CellSet live = live_cells(s.cells);
        ASSERT_GE(live.size(), 1U);
        ASSERT_LE(live.size(), 10U);
        for (const auto& [i, j] : live) {
            ASSERT_TRUE(i >= 12 && i <= 17 && j >= 12 && j <= 17) << i << ", " << j;
        }
        EXPECT_EQ(s.seed_index, 11);
        EXPECT_EQ(s.step_number, 1);
    }
    EXPECT_EQ(random.drawn_, 500 * 20);
}

TEST(Seeding, FirstNumberGivesTheColumnSecondTheRow)
{
    // 0.05 -> 12, 0.95 -> 17, 0.1 -> 13 exactly at the boundary, 0.0999 -> 12.
    CountingSource random({0.05F, 0.95F, 0.1F, 0.0999F});
    BoardState s = loaded_board();
    seed_board(s, random);
    EXPECT_EQ(live_cells(s.cells), (CellSet{{12, 17}, {13, 12}}));
}

TEST(Seeding, TheSamePatternOnEveryFreshSource)
{
    RandomSource first;
    RandomSource second;
    BoardState a = loaded_board();
    BoardState b = loaded_board();
    seed_board(a, first);
    seed_board(b, second);
    EXPECT_EQ(a.cells, b.cells);
}

TEST(Seeding, ClearsOnlyTheBoard)
{
    BoardState s = loaded_board();
    const CellSet outside{{0, 0}, {0, 13}, {26, 1}, {13, 26}, {40, 40}};
    testing::set_alive(s, outside);
    testing::fill_board(s);
    RandomSource random;
    seed_board(s, random);
    for (const auto& cell : outside) {
        EXPECT_EQ(live_cells(s.cells).count(cell), 1U);
    }
    EXPECT_TRUE(live_cells(s.next_cells).empty());
    EXPECT_TRUE(live_cells(s.last_cells).empty());
}

// Hands out one fresh random pair and then repeats it, so that a seeding
// places exactly one cell and the cell shows where that pair falls.
class RepeatingPairSource final : public UniformSource {
public:
    explicit RepeatingPairSource(RandomSource& random) : pair_{random.next(), random.next()} {}
    float next() override { return pair_[drawn_++ % 2]; }

private:
    std::array<float, 2> pair_;
    std::size_t drawn_ = 0;
};

TEST(Seeding, IndexDistributionMatchesTheWeights)
{
    // Indices 12 and 17 each take a tenth of the draws, 13..16 a fifth each.
    constexpr int kSeedings = 20000;
    std::array<int, 6> columns{};
    std::array<int, 6> rows{};
    RandomSource random;
    for (int n = 0; n < kSeedings; ++n) {
        RepeatingPairSource pair(random);
        BoardState s = loaded_board();
        seed_board(s, pair);
        const CellSet live = live_cells(s.cells);
        ASSERT_EQ(live.size(), 1U);
        const auto [i, j] = *live.begin();
        ++columns.at(static_cast<std::size_t>(i - 12));
        ++rows.at(static_cast<std::size_t>(j - 12));
    }
    constexpr std::array<double, 6> kWeights{0.1, 0.2, 0.2, 0.2, 0.2, 0.1};
    for (std::size_t k = 0; k < kWeights.size(); ++k) {
        const double expected = kWeights[k] * kSeedings;
        const double sigma = std::sqrt(expected * (1.0 - kWeights[k]));
        EXPECT_NEAR(columns[k], expected, 5.0 * sigma) << "column " << 12 + k;
        EXPECT_NEAR(rows[k], expected, 5.0 * sigma) << "row " << 12 + k;
    }
}

} // namespace
} // namespace tavrel
