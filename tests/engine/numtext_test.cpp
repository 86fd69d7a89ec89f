#include "engine/numtext.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace tarvi;

TEST(NumberText, Integers)
{
    EXPECT_EQ(IntegerText(2147483647), "2147483647");
    EXPECT_EQ(IntegerText(-5), "-5");
    EXPECT_EQ(IntegerText(0), "0");
}

TEST(NumberText, GeneralNumbers)
{
    EXPECT_EQ(GeneralNumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(GeneralNumberText(1e15), "1E+15");
    EXPECT_EQ(GeneralNumberText(std::ldexp(1.0, 60)), "1.15292150460685E+18");
    EXPECT_EQ(GeneralNumberText(2.5), "2.5");
    EXPECT_EQ(GeneralNumberText(-2.5), "-2.5");
    EXPECT_EQ(GeneralNumberText(0.125), "0.125");
    EXPECT_EQ(GeneralNumberText(0), "0");
    EXPECT_EQ(GeneralNumberText(1000), "1000");
    // Rounded to 15 significant digits before anything else.
    EXPECT_EQ(GeneralNumberText(999999999999999.9), "1E+15");
    EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(GeneralNumberText(1.0e300), "1E+300");
}

TEST(NumberText, CoefficientsAndPowers)
{
    EXPECT_EQ(FormatCoef(1), "");
    EXPECT_EQ(FormatCoef(0), "");
    EXPECT_EQ(FormatCoef(-1), "-");
    EXPECT_EQ(FormatCoef(6), "6");
    EXPECT_EQ(FormatCoef(2.5), "2.5");
    EXPECT_EQ(FormatCoef(1e15), "1E+15");

    EXPECT_EQ(FormatPot("a", 0), "");
    EXPECT_EQ(FormatPot("a", 1), "a");
    EXPECT_EQ(FormatPot("b", 3), "b^3");
    EXPECT_EQ(FormatPot("(a+b)", 12), "(a+b)^12");
    EXPECT_EQ(FormatPot("a", -2), "a^-2");
}
