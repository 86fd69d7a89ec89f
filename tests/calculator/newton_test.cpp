#include "calculator/core/newton.h"

#include "tests/calculator/exact.h"

#include <string>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

const platform::Separators kC{".", ","};

TEST(NewtonExpansion, ReferenceTextsAreExactBlanksIncluded)
{
    EXPECT_EQ(expandBinomial(1).formula, "(a+b) = a + b");
    EXPECT_EQ(expandBinomial(2).formula, "(a+b)^2 = a^2 +2a b+ b^2");
    EXPECT_EQ(expandBinomial(3).formula, "(a+b)^3 = a^3 +3a^2 b+3a b^2+ b^3");
    EXPECT_EQ(expandBinomial(12).formula.substr(0, 26), "(a+b)^12 = a^12 +12a^11 b+");
    EXPECT_TRUE(expandBinomial(3).complete);
}

TEST(NewtonExpansion, CoefficientsAreTheBinomialsInOrder)
{
    EXPECT_EQ(expandBinomial(1).coefficients, (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(expandBinomial(4).coefficients, (std::vector<std::string>{"1", "4", "6", "4", "1"}));
    // Exact while the counts stay below 10^15, whole and without exponent.
    for (int n = 1; n <= 48; ++n) {
        const NewtonExpansion e = expandBinomial(static_cast<std::int16_t>(n));
        ASSERT_EQ(e.coefficients.size(), static_cast<std::size_t>(n) + 1);
        for (int k = 0; k <= n; ++k) {
            const auto exact = testkit::exactBinomial(n, k);
            EXPECT_EQ(e.coefficients[k], std::to_string(static_cast<unsigned long long>(exact))) << n << "," << k;
        }
    }
    EXPECT_EQ(expandBinomial(60).coefficients[30], "1.18264581564861E+17");
}

TEST(NewtonExpansion, EveryTermOfTheLargestExpansionIsWritten)
{
    const NewtonExpansion e = expandBinomial(170);
    ASSERT_TRUE(e.complete);
    ASSERT_EQ(e.coefficients.size(), 171u);
    EXPECT_TRUE(e.formula.starts_with("(a+b)^170 = a^170 +170a^169 b+14365a^168 b^2+")) << e.formula;
    EXPECT_TRUE(e.formula.ends_with("+170a b^169+ b^170")) << e.formula;
}

TEST(NewtonExpansion, AnOverflowingCoefficientLeavesWhatWasBuiltBeforeIt)
{
    const NewtonExpansion e = expandBinomial(171);
    EXPECT_FALSE(e.complete);
    ASSERT_FALSE(e.coefficients.empty());
    ASSERT_LT(e.coefficients.size(), 172u);
    const std::size_t k = e.coefficients.size(); // the first coefficient that failed
    // The text ends with the last term that was built, for k - 1.
    const std::string lastTerm = "+" + e.coefficients[k - 1] + "a^" + std::to_string(171 - (k - 1)) + " b^" +
                                 std::to_string(k - 1);
    EXPECT_TRUE(e.formula.ends_with(lastTerm)) << e.formula;
    EXPECT_TRUE(e.formula.starts_with("(a+b)^171 = a^171 +171a^170 b+")) << e.formula;
    EXPECT_FALSE(expandBinomial(32767).complete);
}

TEST(NewtonExpansion, ExponentMustBeAWholeNumberFrom1To32767)
{
    EXPECT_EQ(readExponent("5", kC), 5);
    EXPECT_EQ(readExponent(" 170 ", kC), 170);
    EXPECT_EQ(readExponent("2.5", kC), 2); // to the nearest, halves to even
    EXPECT_EQ(readExponent("32767", kC), 32767);
    for (const char* bad : {"0", "-3", "0.4", "abc", "", "32768", "1e9"})
        EXPECT_EQ(readExponent(bad, kC), std::nullopt) << bad;
}

TEST(NewtonExpansion, FontFollowsTheLengthOfTheTerms)
{
    const auto font = [](int n) {
        const NewtonFont f = newtonFont(static_cast<std::int16_t>(n), 9.75f);
        return f.name + " " + std::to_string(f.size);
    };
    EXPECT_EQ(font(1), "Tahoma 9.750000");
    EXPECT_EQ(font(9), "Tahoma 9.750000");
    EXPECT_EQ(font(10), "Arial Narrow 9.750000");
    EXPECT_EQ(font(11), "Arial Narrow 8.000000");
    EXPECT_EQ(font(170), "Arial Narrow 8.000000");
}

} // namespace
