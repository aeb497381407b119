// The program's pseudo-random source: single-precision draws in [0, 1) from a fixed starting state.
#pragma once

#include <cstdint>
#include <random>

class RandomSource
{
public:
    RandomSource();
    // A source started from seed instead: the same seed gives the same draws (printed sheets use it).
    explicit RandomSource(std::uint32_t seed);
    virtual ~RandomSource() = default;

    // One draw r with 0 <= r < 1, uniform in steps of 2^-24.
    virtual float next();

    // The one source the program's questions are drawn from; never reseeded.
    static RandomSource &program();

private:
    std::mt19937 m_engine;
};
