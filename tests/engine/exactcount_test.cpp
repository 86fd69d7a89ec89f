#include "engine/exactcount.h"
#include "testkit/primecounts.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tarvi;
using testkit::factorialRatio;
using testkit::power;

namespace {

struct Case {
    std::int16_t m;
    std::int16_t n;
};

// Small inputs, and the edges of the 16-bit range that every kind accepts.
std::vector<Case> grid()
{
    std::vector<Case> cases;
    for (std::int16_t m = 0; m <= 24; ++m)
        for (std::int16_t n = 0; n <= m; ++n)
            cases.push_back({m, n});
    for (Case edge : {Case{32767, 0}, Case{32767, 2}, Case{32767, 16383}, Case{32767, 32767}, Case{32766, 3},
                      Case{20000, 19999}, Case{16384, 16383}, Case{171, 171}, Case{200, 199}})
        cases.push_back(edge);
    return cases;
}

} // namespace

// Every kind against its primes' exponents by Legendre's formula, over the
// grid and the edges.
TEST(ExactCount, EveryKindAgreesWithLegendresFormula)
{
    for (const auto [m, n] : grid()) {
        const unsigned long um = static_cast<unsigned long>(m), un = static_cast<unsigned long>(n);
        SCOPED_TRACE(testing::Message() << "m=" << m << " n=" << n);
        EXPECT_EQ(exactFactorial(m), factorialRatio(um, {}));
        EXPECT_EQ(exactVariations(m, n), factorialRatio(um, {um - un}));
        EXPECT_EQ(exactCombinations(m, n), factorialRatio(um, {un, um - un}));
        if (m > 0 && m + n <= 32767) {
            EXPECT_EQ(exactCombinationsWithRepetition(m, n), factorialRatio(um + un - 1, {un, um - 1}));
        }
        if (m <= 24 || n < 40) {
            EXPECT_EQ(exactPower(m, n), power(um, un));
        }
    }
    EXPECT_EQ(exactPower(32767, 32767), power(32767, 32767));
    EXPECT_EQ(decimalDigits(exactFactorial(32767)).size(), 133730u);
    EXPECT_EQ(exactCombinationsWithRepetition(0, 5), 0);
    EXPECT_EQ(exactCombinationsWithRepetition(0, 0), 1);
}

// Pascal's rule row by row: C and CR, and PR as a product of binomials.
TEST(ExactCount, PascalsRuleAndProductsOfBinomials)
{
    std::vector<std::vector<mpz_class>> pascal{{1}};
    for (std::size_t row = 1; row <= 300; ++row) {
        std::vector<mpz_class> next(row + 1, 1);
        for (std::size_t k = 1; k < row; ++k)
            next[k] = pascal[row - 1][k - 1] + pascal[row - 1][k];
        pascal.push_back(std::move(next));
    }
    const auto C = [&](int m, int n) { return pascal[std::size_t(m)][std::size_t(n)]; };
    for (std::int16_t m = 0; m <= 300; ++m)
        for (std::int16_t n = 0; n <= m; ++n) {
            ASSERT_EQ(exactCombinations(m, n), C(m, n)) << m << " " << n;
            if (m >= 1 && m + n - 1 <= 300) {
                ASSERT_EQ(exactCombinationsWithRepetition(m, n), C(m + n - 1, n)) << m << " " << n;
            }
        }

    // PR(m; n1..nk) = C(n1,n1)·C(n1+n2,n2)···C(m,nk), every list of up to
    // four parts from 1 to 60 in steps that reach the sum of 300.
    const std::function<void(Multiplicitats&, int, mpz_class)> compositions = [&](Multiplicitats& r, int sum,
                                                                                  const mpz_class& expected) {
        ASSERT_EQ(exactPermutationsWithRepetition(static_cast<std::int16_t>(sum), r), expected);
        if (r.k == 4)
            return;
        for (int part = 1; part <= 60 && sum + part <= 300; part += 7) {
            ++r.k;
            r.n(r.k) = static_cast<std::int16_t>(part);
            compositions(r, sum + part, expected * C(sum + part, part));
            --r.k;
        }
    };
    Multiplicitats none;
    compositions(none, 0, 1);
}

// The identities that tie the kinds together, and C's mirror, at the edges.
TEST(ExactCount, IdentitiesAndMirrorSymmetry)
{
    for (const auto [m, n] : grid()) {
        SCOPED_TRACE(testing::Message() << "m=" << m << " n=" << n);
        EXPECT_EQ(exactCombinations(m, n), exactCombinations(m, static_cast<std::int16_t>(m - n)));
        EXPECT_EQ(exactVariations(m, n), exactCombinations(m, n) * exactFactorial(n));
        if (m >= 1 && m + n <= 32767) {
            EXPECT_EQ(exactCombinationsWithRepetition(m, n),
                      exactCombinations(static_cast<std::int16_t>(m + n - 1), n));
        }
    }
    Multiplicitats r;
    r.k = 9;
    for (int i = 1; i <= 8; ++i)
        r.n(i) = 3641;
    r.n(9) = 32767 - 8 * 3641;
    mpz_class binomials = 1;
    for (int i = 1, sum = 0; i <= 9; ++i) {
        sum += r.n(i);
        binomials *= exactCombinations(static_cast<std::int16_t>(sum), r.n(i));
    }
    EXPECT_EQ(exactPermutationsWithRepetition(32767, r), binomials);
    // Parts adding up to less than m leave the rest all different; more than m, no ordering.
    Multiplicitats few;
    few.k = 2;
    few.n(1) = 3;
    few.n(2) = 2;
    EXPECT_EQ(exactPermutationsWithRepetition(10, few), factorialRatio(10, {3, 2}));
    EXPECT_EQ(exactPermutationsWithRepetition(4, few), 0);
}
