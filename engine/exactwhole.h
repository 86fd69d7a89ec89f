#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvi {

// A whole number kept exactly, however long it gets: the products and
// binomial coefficients that a double can only hold to about 16 digits.
class ExactWhole {
public:
    explicit ExactWhole(std::uint32_t value = 1);

    // Its decimal digits, without leading zeros ("0" for zero).
    std::string digits() const;

    ExactWhole& operator*=(std::uint32_t factor);

    // Only for a divisor that divides the number exactly: the remainder is
    // dropped. divisor > 0.
    ExactWhole& divideExactly(std::uint32_t divisor);

    // from·(from-1)···(to+1)·to, and 1 when to > from.
    static ExactWhole descendingProduct(std::uint32_t from, std::uint32_t to);

private:
    // Base 10^9, least significant first: multiplying and dividing by a 32-bit
    // number stays within 64 bits, and the digits come out directly.
    std::vector<std::uint32_t> limbs_;
};

} // namespace tarvi
