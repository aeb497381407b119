// The program's pseudo-random source: single-precision draws in [0, 1) from a fixed starting state.
#include "questions/randomsource.h"

namespace {
// Any fixed value gives the same first sheet at every start; this one was picked once.
constexpr std::mt19937::result_type startingState = 20061207u;
} // namespace

RandomSource::RandomSource()
    : m_engine(startingState)
{
}

RandomSource::RandomSource(std::uint32_t seed)
    : m_engine(seed)
{
}

float RandomSource::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the value can never round up to 1.
    return float(m_engine() >> 8) / 16777216.0f;
}

RandomSource &RandomSource::program()
{
    static RandomSource source;
    return source;
}
