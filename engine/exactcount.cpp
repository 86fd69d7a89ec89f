#include "engine/exactcount.h"

namespace tarvi {

namespace {

unsigned long counted(std::int16_t value)
{
    if (value < 0)
        throw ArithmeticFailure(ArithmeticFailure::Kind::Overflow16, "a negative number of things");
    return static_cast<unsigned long>(value);
}

mpz_class binomial(unsigned long m, unsigned long n)
{
    mpz_class result;
    mpz_bin_uiui(result.get_mpz_t(), m, n);
    return result;
}

mpz_class factorial(unsigned long n)
{
    mpz_class result;
    mpz_fac_ui(result.get_mpz_t(), n);
    return result;
}

// The 16-bit values m - n, m - n + 1 and m - n + 2 that variations and
// combinations form from their inputs, as the double path forms them.
void checkDifferences(std::int16_t m, std::int16_t n)
{
    checked16(m - n);
    checked16(m - n + 1);
    checked16(m - n + 2);
}

} // namespace

mpz_class fallingProduct(unsigned long top, unsigned long factors)
{
    // GMP's binomial and factorial are both far faster than the product
    // taken factor by factor.
    return binomial(top, factors) * factorial(factors);
}

mpz_class exactFactorial(std::int16_t n) { return factorial(counted(n)); }

mpz_class exactVariations(std::int16_t m, std::int16_t n)
{
    if (counted(n) == 0)
        return 1;
    checkDifferences(m, n);
    if (counted(n) > counted(m))
        return 0;
    return fallingProduct(counted(m), counted(n));
}

mpz_class exactPower(std::int16_t m, std::int16_t n)
{
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), counted(m), counted(n));
    return result;
}

mpz_class exactCombinations(std::int16_t m, std::int16_t n)
{
    if (counted(n) == 0)
        return 1;
    checkDifferences(m, n);
    return binomial(counted(m), counted(n));
}

mpz_class exactCombinationsWithRepetition(std::int16_t m, std::int16_t n)
{
    if (counted(n) == 0)
        return 1;
    checked16(m + n);
    const std::int16_t last = checked16(m + n - 1);
    checked16(m + 1);
    if (counted(m) == 0)
        return 0;
    return binomial(counted(last), counted(n));
}

mpz_class exactPermutationsWithRepetition(std::int16_t m, const Multiplicitats& r)
{
    // C(n1,n1)·C(n1+n2,n2)···C(n1+..+nk,nk): binomials cost a small part of
    // dividing m! by each factorial in turn.
    mpz_class result = 1;
    unsigned long sum = 0;
    for (int i = 1; i <= r.k; ++i) {
        const unsigned long part = counted(r.n(i));
        sum += part;
        result *= binomial(sum, part);
    }
    if (sum > counted(m))
        return 0;
    return result * fallingProduct(counted(m), counted(m) - sum);
}

std::string decimalDigits(const mpz_class& value) { return value.get_str(10); }

} // namespace tarvi
