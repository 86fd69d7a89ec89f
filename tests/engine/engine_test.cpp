#include "engine/counting.h"
#include "engine/numtext.h"
#include "engine/plaintext.h"
#include "engine/random.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;

// The counts themselves are checked against exact arithmetic through the
// panels; here, both sides of the double range and of the 16-bit steps.
TEST(Counting, Limits)
{
    EXPECT_NEAR(Fact(170) / 7.257415615307994e306, 1.0, 1e-15);
    EXPECT_THROW((void)Fact(171), ArithmeticFailure);
    EXPECT_DOUBLE_EQ(Comb(33, 16), 1166803110.0);
    EXPECT_DOUBLE_EQ(Comb(34, 17), 2333606220.0);
    EXPECT_THROW((void)Varia(32767, -1), ArithmeticFailure);  // m - n + 2 is formed in 16 bits
    EXPECT_THROW((void)CombRep(32767, 1), ArithmeticFailure); // m + n leaves 16 bits
    Multiplicitats r;
    r.k = 10;
    EXPECT_THROW((void)PermRep(6, r), ArithmeticFailure);
    EXPECT_THROW(r.n(0) = 1, ArithmeticFailure);
}

// Values in [0, 1); every integer of a range drawn about equally often; a
// width beyond 16 bits overflows. (The window's made-up cases replay a seed.)
TEST(Random, RangeAndUniformity)
{
    Generator generator(11);
    std::array<int, 4> seen{};
    for (int i = 0; i < 40000; ++i) {
        const float r = generator.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << i;
        ++seen.at(static_cast<std::size_t>(NumAtzar(2, 5, generator) - 2)); // throws outside 2..5
    }
    for (int count : seen)
        EXPECT_NEAR(count, 10000, 1000);
    EXPECT_THROW(NumAtzar(-32768, 32767, generator), ArithmeticFailure);
}

// The general number text of every double: whole numbers below 10^15 as
// digits, the rest in 15 significant digits (999999999999999.9 rounds to
// 1E+15 first), and a text of its own for the values that are no number.
TEST(NumberText, EveryDouble)
{
    using limits = std::numeric_limits<double>;
    std::string texts;
    for (double x : {0.0, -0.0, -5.0, 2.5, 0.001, 999999999999999.0, 999999999999999.9, std::ldexp(1.0, 60),
                     -limits::max(), limits::infinity(), -limits::infinity(), -limits::quiet_NaN()})
        texts += generalNumberText(x) + " ";
    EXPECT_EQ(texts, "0 0 -5 2.5 0.001 999999999999999 1E+15 1.15292150460685E+18 -1.79769313486232E+308 "
                     "inf -inf nan ");
    EXPECT_EQ(generalNumberText(limits::denorm_min()), "0." + std::string(323, '0') + "494065645841247");
}

// A whole number known by its exact digits is rounded once, from its exact
// value, to 15 significant digits: halves to even, carries into a new digit,
// and beyond the double range it is infinite.
TEST(NumberText, ExactWholeNumbersRoundOnceTo15Digits)
{
    std::string texts;
    for (const std::string& digits :
         {std::string("999999999999999"), std::string("1300853625660225"), std::string("1300853625660235"),
          std::string("13008536256602250001"), std::string("9999999999999995"), "1" + std::string(400, '0')})
        texts += generalNumberText(nearestWith15Digits(digits)) + " ";
    EXPECT_EQ(texts,
              "999999999999999 1.30085362566022E+15 1.30085362566024E+15 1.30085362566023E+19 1E+16 inf ");
}

// Blanks are spaces only, in UTF-8 and UTF-16 alike; only a CR right before
// an LF is a line end's.
TEST(PlainText, BlanksAndLineEnds)
{
    EXPECT_EQ(trimSpaces(std::string_view("  a b\t ")), "a b\t");
    EXPECT_EQ(trimSpaces(std::string_view("   ")), "");
    EXPECT_EQ(trimLeadingSpaces(std::string_view(" 3 ")), "3 ");
    EXPECT_EQ(trimSpaces(std::u16string_view(u" ñ ")), u"ñ");
    EXPECT_EQ(withLineFeeds("a\r\nb\r\r\nc\rd\r"), "a\nb\r\nc\rd\r");
    EXPECT_EQ(splitLines("x\r\ny\n"), (std::vector<std::string>{"x", "y", ""}));
}

// Echoed input shows every byte: controls and broken UTF-8 escaped, any valid
// character as it is.
TEST(PlainText, VisibleTextEscapesControlsAndInvalidUtf8)
{
    const struct {
        std::string_view text, shown;
    } rows[] = {
        {"V\x1B]0;pwned\x07", "V\\x1B]0;pwned\\x07"},
        {std::string_view("V\0W", 3), "V\\x00W"},
        {"a\tb\r\n\x7F", "a\\x09b\\x0D\\x0A\\x7F"},
        {"año·€😀", "año·€😀"},
        {"\xC2\x9B"
         "2J",
         "\\xC2\\x9B2J"},                                      // a C1 control, validly encoded
        {"\xC3(\xFF\x80", "\\xC3(\\xFF\\x80"},                 // a cut sequence, bytes never in UTF-8
        {"\xC0\xAF\xED\xA0\x80", "\\xC0\\xAF\\xED\\xA0\\x80"}, // overlong, a surrogate
        {"\xF4\x90\x80\x80\xE2\x82", "\\xF4\\x90\\x80\\x80\\xE2\\x82"}, // beyond U+10FFFF, cut at the end
        {"back\\slash \"x\"", "back\\slash \"x\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(tarvi::visibleText(row.text), row.shown) << testing::PrintToString(std::string(row.text));
}
