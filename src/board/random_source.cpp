#include "board/random_source.h"

namespace tavrel {

float RandomSource::next()
{
    // The top 24 bits form a float exactly, so the result is a multiple of
    // 2^-24 below 1 and can never round up to 1.0.
    constexpr float kScale = 1.0F / 16777216.0F;
    ++drawn_;
    return static_cast<float>(engine_() >> 8U) * kScale;
}

} // namespace tavrel
