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
    // The top 24 bits form a float exactly, so the result is a multiple of
    // 2^-24 below 1 and can never round up to 1.0.
    float next() override { return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F); }

private:
    std::mt19937 engine_{20261207U};
};

} // namespace tavrel
