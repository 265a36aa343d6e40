#pragma once

#include <cstdint>
#include <random>

namespace tavrel {

// A supply of uniform single-precision values in [0, 1).
class UniformSource {
public:
    UniformSource() = default;
    UniformSource(const UniformSource&) = default;
    UniformSource& operator=(const UniformSource&) = default;
    virtual ~UniformSource() = default;

    virtual float next() = 0;
};

// The program's one pseudo-random sequence. It starts from the same fixed
// state in every run and is never reseeded, so the numbers depend only on how
// many were drawn before.
class RandomSource final : public UniformSource {
public:
    // Next value in [0, 1); never 1.0.
    float next() override;

    [[nodiscard]] std::uint64_t drawn() const { return drawn_; }

private:
    static constexpr std::uint32_t kFixedSeed = 20261207U;
    std::mt19937 engine_{kFixedSeed};
    std::uint64_t drawn_ = 0;
};

} // namespace tavrel
