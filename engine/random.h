#pragma once

#include <cstdint>
#include <random>

namespace tarvi {

// The program's source of uniform single-precision values in [0, 1).
class Generator {
public:
    explicit Generator(std::uint32_t seed = 1) : engine_(seed) {}

    void seed(std::uint32_t value) { engine_.seed(value); }
    void seedFromClock();

    // Uniform in [0, 1); never 1.0: 24 random bits scaled by 2^-24.
    float next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

// The one generator of the running program.
Generator& programGenerator();

// A uniformly drawn integer in [lo, hi] (callers pass lo <= hi).
std::int16_t NumAtzar(std::int16_t lo, std::int16_t hi, Generator& generator = programGenerator());

} // namespace tarvi
