#include "calculator/core/newton.h"

#include "engine/numtext.h"

#include <string>

#include <gtest/gtest.h>

using namespace tarvi;

TEST(NewtonExpansion, ReferenceTextsAreExactBlanksIncluded)
{
    EXPECT_EQ(expandBinomial(1).formula, "(a+b) = a + b");
    EXPECT_EQ(expandBinomial(2).formula, "(a+b)^2 = a^2 +2a b+ b^2");
    EXPECT_EQ(expandBinomial(3).formula, "(a+b)^3 = a^3 +3a^2 b+3a b^2+ b^3");
    const NewtonExpansion largest = expandBinomial(170);
    ASSERT_TRUE(largest.complete);
    EXPECT_TRUE(largest.formula.starts_with("(a+b)^170 = a^170 +170a^169 b+14365a^168 b^2+"))
        << largest.formula;
    EXPECT_TRUE(largest.formula.ends_with("+170a b^169+ b^170")) << largest.formula;
    // 171 overflows: the text ends with the last term built before the failing coefficient.
    const NewtonExpansion e = expandBinomial(171);
    const std::size_t k = e.coefficients.size(); // the first coefficient that failed
    ASSERT_TRUE(!e.complete && k > 0 && k < 172);
    EXPECT_TRUE(e.formula.starts_with("(a+b)^171 = a^171 +171a^170 b+")) << e.formula;
    EXPECT_TRUE(e.formula.ends_with("+" + e.coefficients[k - 1] + "a^" + std::to_string(172 - k) + " b^" +
                                    std::to_string(k - 1)))
        << e.formula;
    EXPECT_FALSE(expandBinomial(32767).complete);
    // The exponent: a whole number from 1 to 32767, read to the nearest (halves to even).
    EXPECT_EQ(readExponent(" 170 ", {".", ","}), 170);
    EXPECT_EQ(readExponent("2.5", {".", ","}), 2);
    EXPECT_EQ(readExponent("32767", {".", ","}), 32767);
    EXPECT_EQ(readExponent("0.4", {".", ","}), std::nullopt);
}

// Exact while the counts stay below 10^15 (Pascal's triangle as the reference),
// whole and without exponent; from there on, in 15 significant digits.
TEST(NewtonExpansion, CoefficientsAreTheBinomialsInOrder)
{
    std::vector<unsigned long long> row{1};
    for (int n = 1; n <= 48; ++n) {
        row.push_back(1);
        for (int k = n - 1; k > 0; --k)
            row[k] += row[k - 1];
        const NewtonExpansion e = expandBinomial(static_cast<std::int16_t>(n));
        ASSERT_EQ(e.coefficients.size(), row.size());
        for (int k = 0; k <= n; ++k)
            EXPECT_EQ(e.coefficients[k], std::to_string(row[k])) << n << "," << k;
    }
    EXPECT_EQ(expandBinomial(60).coefficients[30], "1.18264581564861E+17");
    EXPECT_EQ(GeneralNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(GeneralNumberText(999999999999999.9), "1E+15"); // rounded to 15 digits first
}
