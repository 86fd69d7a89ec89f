#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvi {

// The binomial coefficients C(n,0), C(n,1), ... of one exponent n, exact and
// one after the other. A count in doubles keeps about 16 digits and can miss
// the whole number it stands for; these do not, however long they get.
class BinomialRow {
public:
    explicit BinomialRow(std::int16_t n);

    // The decimal digits of C(n,k) for the current k; k is 0 at first.
    std::string digits() const;

    // Moves on to C(n,k+1) = C(n,k)·(n−k)/(k+1), a division that is always
    // exact. Past k = n the coefficients are 0.
    void next();

private:
    int n_;
    int k_ = 0;
    // Base 10^9, least significant first: multiplying and dividing by a 16-bit
    // factor stays within 64 bits, and the digits come out directly.
    std::vector<std::uint32_t> limbs_{1};
};

} // namespace tarvi
