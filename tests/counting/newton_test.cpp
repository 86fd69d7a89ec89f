#include "counting/newton.h"
#include "engine/numtext.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;

TEST(NewtonExpansion, ReferenceTextsAreExactBlanksIncluded)
{
    EXPECT_EQ(expandBinomial(1).formula, "(a+b) = a + b");
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

namespace {

// a + b for whole numbers written in decimal digits.
std::string sum(const std::string& a, const std::string& b)
{
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
        const int digit = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                          (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        out.insert(out.begin(), static_cast<char>('0' + digit % 10));
        carry = digit / 10;
    }
    return out;
}

} // namespace

// Every coefficient of every exponent that expands, against Pascal's triangle
// in exact decimal arithmetic: the exact count as a general number text,
// rounded once to 15 digits (halves to even), so that C(n,k) and C(n,n-k)
// always read alike.
TEST(NewtonExpansion, CoefficientsAreTheExactBinomialsInOrder)
{
    std::vector<std::string> row{"1"};
    for (int n = 1; n <= 170; ++n) {
        row.push_back("1");
        for (int k = n - 1; k > 0; --k)
            row[k] = sum(row[k], row[k - 1]);
        const NewtonExpansion e = expandBinomial(static_cast<std::int16_t>(n));
        ASSERT_TRUE(e.complete);
        ASSERT_EQ(e.coefficients.size(), row.size());
        for (int k = 0; k <= n; ++k) {
            ASSERT_EQ(e.coefficients[k], generalNumberText(nearestWith15Digits(row[k])))
                << "C(" << n << "," << k << ")";
            ASSERT_EQ(e.coefficients[k], e.coefficients[n - k]) << "C(" << n << "," << k << ")";
        }
        ASSERT_EQ(expandBinomial(static_cast<std::int16_t>(n), CountMode::Exact).coefficients, row);
    }
    EXPECT_EQ(expandBinomial(55).coefficients[22], "1.30085362566022E+15"); // a tie, to even
    // The expansion carries the same texts.
    const std::string formula = expandBinomial(98).formula;
    EXPECT_NE(formula.find("+67910864a^93 b^5+"), std::string::npos);
    EXPECT_NE(formula.find("+67910864a^5 b^93+"), std::string::npos);
    // In exact mode too, whole: C(60,30) has 18 digits; the range stays 1 to 170.
    EXPECT_NE(expandBinomial(60, CountMode::Exact).formula.find("+118264581564861424a^30 b^30+"),
              std::string::npos);
    EXPECT_EQ(expandBinomial(3, CountMode::Exact).formula, expandBinomial(3).formula);
    EXPECT_FALSE(expandBinomial(171, CountMode::Exact).complete);
}
