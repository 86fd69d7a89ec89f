#pragma once

#include <cstdint>

namespace tarvi::exercises {

// The sheets' own source of random numbers, written out step by step
// (SplitMix64) so that a seed gives the same numbers with every compiler and
// standard library.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in 0 … bound - 1 (bound > 0): draws below 2^64 mod bound are
    // drawn again, so that every remainder is equally likely.
    std::uint64_t below(std::uint64_t bound)
    {
        const std::uint64_t skipped = (0 - bound) % bound;
        std::uint64_t drawn = next();
        while (drawn < skipped)
            drawn = next();
        return drawn % bound;
    }

private:
    std::uint64_t state_;
};

} // namespace tarvi::exercises
