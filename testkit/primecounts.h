#pragma once

// Counts worked out the long way, for checking the exact ones: as the
// exponents of their primes, each factorial's by Legendre's formula (the
// exponent of p in n! is n/p + n/p² + ...), multiplied out only at the end.
// Nothing here uses GMP's factorials or binomials.

#include <gmpxx.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace tarvi::testkit {

using PrimeExponents = std::map<unsigned long, long>;

// The primes below 2^16, enough for every count of 16-bit inputs.
inline const std::vector<unsigned long>& primes()
{
    static const std::vector<unsigned long> found = [] {
        std::vector<bool> composite(65536, false);
        std::vector<unsigned long> list;
        for (unsigned long p = 2; p < composite.size(); ++p) {
            if (composite[p])
                continue;
            list.push_back(p);
            for (unsigned long q = p * p; q < composite.size(); q += p)
                composite[q] = true;
        }
        return list;
    }();
    return found;
}

// Adds sign times the exponents of n!.
inline void addFactorial(PrimeExponents& e, unsigned long n, long sign)
{
    for (unsigned long p : primes()) {
        if (p > n)
            break;
        for (unsigned long power = p; power <= n; power *= p)
            e[p] += sign * static_cast<long>(n / power);
    }
}

inline mpz_class multipliedOut(const PrimeExponents& e)
{
    mpz_class product = 1;
    for (const auto& [p, exponent] : e) {
        if (exponent < 0)
            throw std::logic_error("the model's count is no whole number");
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), p, static_cast<unsigned long>(exponent));
        product *= power;
    }
    return product;
}

// top! / (below1!·below2!···).
inline mpz_class factorialRatio(unsigned long top, const std::vector<unsigned long>& below)
{
    PrimeExponents e;
    addFactorial(e, top, 1);
    for (unsigned long n : below)
        addFactorial(e, n, -1);
    return multipliedOut(e);
}

// m^n for m < 2^16, with 0^0 = 1.
inline mpz_class power(unsigned long m, unsigned long n)
{
    if (m == 0)
        return n == 0 ? 1 : 0;
    PrimeExponents e;
    unsigned long rest = m;
    for (unsigned long p : primes())
        for (; rest % p == 0; rest /= p)
            e[p] += static_cast<long>(n);
    return multipliedOut(e);
}

} // namespace tarvi::testkit
