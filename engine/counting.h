#pragma once

#include "engine/failure.h"

#include <array>
#include <cstdint>

namespace tarvi {

// The multiplicities n1 ... nk of a permutation with repetition. Elements are
// numbered 1 to 9; asking for another index is an index failure.
struct Multiplicitats {
    std::int16_t k = 0;

    std::int16_t& n(int i);
    std::int16_t n(int i) const;

private:
    std::array<std::int16_t, 9> values_{};
};

double Fact(std::int16_t n);
double Varia(std::int16_t m, std::int16_t n);
double Comb(std::int16_t m, std::int16_t n);
double CombRep(std::int16_t m, std::int16_t n);
double PermRep(std::int16_t m, const Multiplicitats& r);

} // namespace tarvi
