#pragma once

#include "engine/counting.h"

#include <gmpxx.h>

#include <cstdint>
#include <string>

namespace tarvi {

// The counts of counting.h as exact whole numbers of any size. They form and
// check the same 16-bit intermediates (m - n, m - n + 1 and m - n + 2 in V and
// C; m + n, m + n - 1 and m + 1 in CR), so the inputs that fail there for
// that reason fail here too. Neither the double range nor the 16-bit counter
// of the factorial's loop bounds them: 32767! is a count like any other.
// Parameters are counts of things, 0 or more: a negative one is an
// overflow failure, as no count is formed from it.

// n!, and 1 for n = 0.
mpz_class exactFactorial(std::int16_t n);
// m·(m-1)···(m-n+1); 0 when n > m, as the product then holds the factor 0.
mpz_class exactVariations(std::int16_t m, std::int16_t n);
// m^n, with 0^0 = 1.
mpz_class exactPower(std::int16_t m, std::int16_t n);
// C(m,n) = V(m,n) / n!; 0 when n > m.
mpz_class exactCombinations(std::int16_t m, std::int16_t n);
// CR(m,n) = C(m+n-1,n), with CR(m,0) = 1 and CR(0,n) = 0 for n >= 1.
mpz_class exactCombinationsWithRepetition(std::int16_t m, std::int16_t n);
// m! / (n1!·n2!···nk!), the orderings of m things of which n1 are alike, n2
// alike, and so on (the rest all different); 0 when the multiplicities add up
// to more than m.
mpz_class exactPermutationsWithRepetition(std::int16_t m, const Multiplicitats& r);

// top·(top-1)···(top-factors+1), the product of `factors` numbers counting
// down from top; 1 for no factors. factors <= top.
mpz_class fallingProduct(unsigned long top, unsigned long factors);

// The decimal digits, with a leading "-" below zero.
std::string decimalDigits(const mpz_class& value);

} // namespace tarvi
