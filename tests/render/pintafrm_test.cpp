#include "render/pintafrm.h"

#include "calculator/core/newton.h"
#include "tests/render/fakearea.h"
#include "tests/render/literalfrm.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;
using testkit::FakeArea;
using Glyph = FakeArea::Glyph;

namespace {

std::u32string u32(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// The characters of a drawing as one text, for readable comparisons.
std::string shown(const std::vector<Glyph>& glyphs)
{
    std::string out;
    for (const Glyph& g : glyphs)
        out += static_cast<char>(g.c);
    return out;
}

TEST(PintaFrm, RaisedRunEndsAtTheFirstCharacterThatIsNotADigit)
{
    FakeArea area(8000, 2000, 10);
    float y = 5;
    PintaFrm(area, 3, y, U"x^23y");
    ASSERT_EQ(shown(area.drawing), "x23y");
    const float xw = 10 * FakeArea::widthFactor(U'x');
    const float dw = 8 * FakeArea::widthFactor(U'2');
    EXPECT_EQ(area.drawing[0], (Glyph{U'x', 3, 5, 10}));
    EXPECT_EQ(area.drawing[1], (Glyph{U'2', 3 + xw, 5 - 2, 8}));
    EXPECT_EQ(area.drawing[2], (Glyph{U'3', 3 + xw + dw, 5 - 2, 8}));
    EXPECT_EQ(area.drawing[3], (Glyph{U'y', 3 + xw + 2 * dw, 5, 10}));
    EXPECT_EQ(y, 5);
}

TEST(PintaFrm, GroupsAreRaisedOrLoweredWithoutTheirParentheses)
{
    FakeArea area(8000, 2000, 15);
    float y = 1;
    PintaFrm(area, 0, y, U"x^(n-1)+a_12+1");
    ASSERT_EQ(shown(area.drawing), "xn-1+a12+1");
    const float raised = 1 - 15.0f / 5;
    const float lowered = 1 + 2 * 15.0f / 3;
    for (int i : {1, 2, 3})
        EXPECT_EQ(area.drawing[i].y, raised) << i;
    for (int i : {1, 2, 3, 6, 7})
        EXPECT_EQ(area.drawing[i].size, 12) << i;
    for (int i : {6, 7})
        EXPECT_EQ(area.drawing[i].y, lowered) << i;
    for (int i : {0, 4, 5, 8, 9})
        EXPECT_TRUE(area.drawing[i].y == 1 && area.drawing[i].size == 15) << i;
}

TEST(PintaFrm, NewtonTermsKeepCoefficientsPlainAndExponentsSmall)
{
    FakeArea area(8040, 4000, 8);
    float y = 1;
    PintaFrm(area, 0, y, U"(a+b)^12 = a^12 +12a^11 b+");
    ASSERT_EQ(shown(area.drawing), "(a+b)12 = a12 +12a11 b+");
    const std::string smallOnes = "00000110000110000011000";
    for (std::size_t i = 0; i < area.drawing.size(); ++i)
        EXPECT_EQ(area.drawing[i].size, smallOnes[i] == '1' ? 6.4f : 8.0f) << i;
}

TEST(PintaFrm, PlainTextWrapsAfterTheCharacterThatCrosses98PercentOfTheWidth)
{
    FakeArea area(2000, 4000, 10); // 100 points wide: the line ends past x = 98
    float y = 2;
    const std::u32string text(40, U'a');
    PintaFrm(area, 1, y, text);
    ASSERT_EQ(area.drawing.size(), 40u);
    std::size_t firstOfLine2 = 0;
    while (area.drawing[firstOfLine2].y == 2)
        ++firstOfLine2;
    const Glyph& crossing = area.drawing[firstOfLine2 - 1];
    EXPECT_GT(crossing.x + 5.5f, 98);
    EXPECT_LE(crossing.x, 98);
    EXPECT_EQ(area.drawing[firstOfLine2].x, 1);
    EXPECT_EQ(area.drawing[firstOfLine2].y, 2 + 11.0f);
    EXPECT_EQ(y, area.drawing.back().y);
}

TEST(PintaFrm, NoLineBreakInsideARaisedRun)
{
    FakeArea area(2000, 4000, 10);
    float y = 0;
    PintaFrm(area, 0, y, U"aaaaaaaaaaaaaaaaa^123456789 b");
    const auto& d = area.drawing;
    ASSERT_EQ(d.size(), 28u);
    for (std::size_t i = 17; i < 26; ++i)
        EXPECT_EQ(d[i].y, -2.0f) << i; // the run stays on the first line, past the margin
    EXPECT_EQ(d[26].y, 0);             // the blank that ends it, full size, still there
    EXPECT_EQ(d[27], (Glyph{U'b', 0, 11, 10}));
}

TEST(PintaFrm, TwoLinesInAOneLineAreaGrowTheAreaUntilTheyFit)
{
    FakeArea area(2000, 220, 10); // one line of 10 points fits in 11 points
    area.drawing.push_back({U'?', 50, 3, 10});
    float y = 0;
    const std::u32string text(30, U'a');
    PintaFrm(area, 0, y, text);
    EXPECT_EQ(y, 11);
    EXPECT_GE(area.scaleHeight() - y, 10);
    EXPECT_LT(area.scaleHeight() - y, 10 + 11.0f / 20);
    EXPECT_EQ(area.drawing.size(), 30u); // the old drawing is gone, and only one copy of the text is left
    EXPECT_EQ(area.fontSize(), 10);
}

TEST(PintaFrm, AFittingTextDrawsOverWhatIsThereAndRestoresTheFontSize)
{
    FakeArea area(8000, 2000, 10);
    area.drawing.push_back({U'?', 50, 3, 10});
    float y = 0;
    PintaFrm(area, 0, y, U"x^2");
    EXPECT_EQ(shown(area.drawing), "?x2");
    EXPECT_EQ(area.clears, 0);
    EXPECT_EQ(area.heightChanges, 0);
    EXPECT_EQ(area.fontSize(), 10);
}

TEST(PintaFrm, AnAreaThatStopsGrowingStillGetsTheWholeText)
{
    FakeArea area(2000, 220, 10);
    area.maxHeightTwips = 300;
    float y = 0;
    const std::u32string text(100, U'a');
    PintaFrm(area, 0, y, text);
    EXPECT_EQ(area.drawing.size(), 100u);
    EXPECT_EQ(area.heightTwips(), 300);
}

// Everything a caller can observe of one drawing.
struct Outcome {
    std::vector<Glyph> drawing;
    float height;
    float y;
    float fontSize;
    float penX;
    float penY;

    bool operator==(const Outcome&) const = default;
};

template <typename Draw>
Outcome outcome(Draw draw, float widthTwips, float heightTwips, float size, float pixelTwips, float y,
                std::u32string_view text)
{
    FakeArea area(widthTwips, heightTwips, size, pixelTwips);
    area.drawing.push_back({U'#', 7, 7, 7}); // a previous drawing, kept or cleared
    draw(area, 0.0f, y, text);
    return {area.drawing, area.heightTwips(), y, area.fontSize(), area.currentX(), area.currentY()};
}

void expectSameAsLiteral(float widthTwips, float heightTwips, float size, float pixelTwips, float y,
                         std::u32string_view text)
{
    const Outcome fast = outcome(PintaFrm, widthTwips, heightTwips, size, pixelTwips, y, text);
    const Outcome literal = outcome(testkit::PintaFrmLiteral, widthTwips, heightTwips, size, pixelTwips, y, text);
    ASSERT_EQ(fast.drawing.size(), literal.drawing.size());
    ASSERT_TRUE(fast == literal) << "width " << widthTwips << " height " << heightTwips << " size " << size
                                 << " text " << std::string(text.begin(), text.end());
}

TEST(PintaFrmEquivalence, NewtonTextsInTheStrip)
{
    for (std::int16_t n = 1; n <= 170; ++n) {
        const std::u32string text = u32(expandBinomial(n).formula);
        const float size = newtonFont(n, 9.75f).size;
        expectSameAsLiteral(8040, 345, size, 15, 1, text); // the strip as the window has it
        if (n % 10 == 0) {
            expectSameAsLiteral(8040, 345, size, 0, 1, text); // heights to the twip
            expectSameAsLiteral(3000, 1000, size, 20, 1, text); // narrower, taller, coarser pixels
        }
    }
}

TEST(PintaFrmEquivalence, RandomMarkupTextsInAreasOfManySizes)
{
    std::mt19937 random(20261206);
    const std::u32string alphabet = U"abxyn0123456789   ^^__(())++";
    const float widths[] = {400, 1200, 3000, 8040};
    const float heights[] = {20, 345, 900, 3000};
    const float sizes[] = {6, 8, 9.75f, 14};
    const float pixels[] = {0, 15, 12};
    for (int i = 0; i < 4000; ++i) {
        std::u32string text(std::uniform_int_distribution<std::size_t>(0, 250)(random), U' ');
        for (char32_t& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        expectSameAsLiteral(widths[i % 4], heights[(i / 4) % 4], sizes[(i / 16) % 4], pixels[i % 3],
                            static_cast<float>(i % 5), text);
    }
}

} // namespace
