#include "platform/textnumber.h"

#include <gtest/gtest.h>

using tarvi::platform::parseWhole16;
using tarvi::platform::Separators;

namespace {

const Separators kC{".", ","};
const Separators kSpanish{",", "."};
const Separators kGerman{",", "."};

} // namespace

TEST(TextToNumber, BlanksSignsAndExponents)
{
    for (const Separators& locale : {kC, kSpanish, kGerman}) {
        EXPECT_EQ(parseWhole16("  12 ", locale), 12);
        EXPECT_EQ(parseWhole16("1e3", locale), 1000);
        EXPECT_EQ(parseWhole16("-32768", locale), -32768);
        EXPECT_EQ(parseWhole16("+7", locale), 7);
        EXPECT_EQ(parseWhole16("32767", locale), 32767);
        EXPECT_FALSE(parseWhole16("32768", locale));
        EXPECT_FALSE(parseWhole16("-32769", locale));
        EXPECT_FALSE(parseWhole16("3000000000", locale));
        EXPECT_FALSE(parseWhole16("", locale));
        EXPECT_FALSE(parseWhole16("   ", locale));
        EXPECT_FALSE(parseWhole16("abc", locale));
        EXPECT_FALSE(parseWhole16("12abc", locale));
        EXPECT_FALSE(parseWhole16("1e", locale));
        EXPECT_FALSE(parseWhole16("-", locale));
    }
}

TEST(TextToNumber, TheLocaleDecidesWhichMarkIsTheDecimalPoint)
{
    EXPECT_EQ(parseWhole16("12.5", kC), 12); // halves go to the even neighbour
    EXPECT_EQ(parseWhole16("12,5", kC), 125);
    EXPECT_EQ(parseWhole16("12,5", kSpanish), 12);
    EXPECT_EQ(parseWhole16("12.5", kSpanish), 125);
    EXPECT_EQ(parseWhole16("1.000", kGerman), 1000);
    EXPECT_EQ(parseWhole16("1,6", kGerman), 2);
}

TEST(TextToNumber, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(parseWhole16("2.5", kC), 2);
    EXPECT_EQ(parseWhole16("3.5", kC), 4);
    EXPECT_EQ(parseWhole16("-2.5", kC), -2);
    EXPECT_EQ(parseWhole16("0.4", kC), 0);
    EXPECT_EQ(parseWhole16("32767.4", kC), 32767);
    EXPECT_FALSE(parseWhole16("32767.5", kC));
}
