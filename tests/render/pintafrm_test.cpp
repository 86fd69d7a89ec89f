#include "render/pintafrm.h"

#include "calculator/core/newton.h"
#include "testkit/fakearea.h"
#include "testkit/literalfrm.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;
using testkit::FakeArea;
using Glyph = FakeArea::Glyph;

namespace {

// The characters of a drawing as one text, for readable comparisons.
std::string shown(const std::vector<Glyph>& glyphs)
{
    std::string out;
    for (const Glyph& g : glyphs)
        out += static_cast<char>(g.c);
    return out;
}

// A raised run is drawn small, a fifth of the font size up, and ends at the
// first character that is not a digit. The font size is restored at the end,
// and a text that fits is drawn over what is there.
TEST(PintaFrm, RaisedDigitsAreSmallAndUp)
{
    FakeArea area(8000, 2000, 10);
    area.drawing.push_back({U'?', 50, 3, 10});
    float y = 5;
    PintaFrm(area, 3, y, U"x^2y");
    ASSERT_EQ(shown(area.drawing), "?x2y");
    const float xw = 10 * FakeArea::widthFactor(U'x');
    EXPECT_EQ(area.drawing[1], (Glyph{U'x', 3, 5, 10}));
    EXPECT_EQ(area.drawing[2], (Glyph{U'2', 3 + xw, 5 - 2, 8}));
    EXPECT_EQ(area.drawing[3], (Glyph{U'y', 3 + xw + 8 * FakeArea::widthFactor(U'2'), 5, 10}));
    EXPECT_EQ(y, 5);
    EXPECT_EQ(area.fontSize(), 10);
}

TEST(PintaFrm, GroupsAreRaisedOrLoweredWithoutTheirParentheses)
{
    FakeArea area(8000, 2000, 15);
    float y = 1;
    PintaFrm(area, 0, y, U"x^(n-1)+x_12+1");
    ASSERT_EQ(shown(area.drawing), "xn-1+x12+1");
    for (std::size_t i = 0; i < area.drawing.size(); ++i) {
        const bool raised = i >= 1 && i <= 3;
        const bool lowered = i == 6 || i == 7;
        EXPECT_EQ(area.drawing[i].size, raised || lowered ? 12 : 15) << i;
        EXPECT_EQ(area.drawing[i].y, raised ? 1 - 15.0f / 5 : lowered ? 1 + 2 * 15.0f / 3 : 1) << i;
    }
}

TEST(PintaFrm, PlainTextWrapsAfterTheCharacterThatCrosses98PercentOfTheWidth)
{
    FakeArea area(2000, 4000, 10); // 100 points wide: the line ends past x = 98
    float y = 2;
    PintaFrm(area, 1, y, std::u32string(40, U'a'));
    ASSERT_EQ(area.drawing.size(), 40u);
    std::size_t next = 0;
    while (area.drawing[next].y == 2)
        ++next;
    EXPECT_GT(area.drawing[next - 1].x + 5.5f, 98);
    EXPECT_LE(area.drawing[next - 1].x, 98);
    EXPECT_EQ(area.drawing[next], (Glyph{U'a', 1, 2 + 11.0f, 10}));
    EXPECT_EQ(y, area.drawing.back().y);
}

// A character that would end beyond the right edge starts the next line
// instead, a raised one still raised there, a plain one before it has crossed
// 98 % of the width.
TEST(PintaFrm, NoCharacterEndsBeyondTheRightEdge)
{
    FakeArea area(2000, 4000, 10); // 100 points wide
    float y = 0;
    PintaFrm(area, 0, y, std::u32string(17, U'a') + U"^12 " + std::u32string(16, U'a') + U"m");
    for (const Glyph& g : area.drawing)
        EXPECT_LE(g.x + g.size * FakeArea::widthFactor(g.c), 100) << static_cast<char>(g.c) << " at " << g.x;
    EXPECT_EQ(area.drawing[17], (Glyph{U'1', 93.5f, -2, 8}));
    EXPECT_EQ(area.drawing[18], (Glyph{U'2', 0, 11 - 2, 8}));
    EXPECT_EQ(area.drawing.back(), (Glyph{U'm', 0, 22, 10}));
    EXPECT_EQ(y, 22);
}

TEST(PintaFrm, TwoLinesInAOneLineAreaGrowTheAreaUntilTheyFit)
{
    FakeArea area(2000, 220, 10); // one line of 10 points fits in 11 points
    area.drawing.push_back({U'?', 50, 3, 10});
    float y = 0;
    PintaFrm(area, 0, y, std::u32string(30, U'a'));
    EXPECT_EQ(y, 11);
    EXPECT_GE(area.scaleHeight() - y, 10);
    EXPECT_LT(area.scaleHeight() - y, 10 + 11.0f / 20);
    EXPECT_EQ(shown(area.drawing), std::string(30, 'a')) << "the old drawing gone, one copy of the text left";
}

// The fast renderer and the literal one leave the same drawing, height, y,
// font size and pen, whether the area grows, stops growing or not.
void expectSameAsLiteral(float widthTwips, float heightTwips, float size, float pixelTwips, float y,
                         std::u32string_view text, float maxHeightTwips = 1e9f)
{
    const auto outcome = [&](auto draw) {
        FakeArea area(widthTwips, heightTwips, size, pixelTwips);
        area.maxHeightTwips = maxHeightTwips;
        area.drawing.push_back({U'#', 7, 7, 7}); // a previous drawing, kept or cleared
        float yAfter = y;
        draw(area, 0.0f, yAfter, text);
        return std::tuple(area.drawing, area.heightTwips(), yAfter, area.fontSize(), area.currentX(),
                          area.currentY());
    };
    ASSERT_TRUE(outcome(PintaFrm) == outcome(testkit::literalPintaFrm))
        << "width " << widthTwips << " height " << heightTwips << " size " << size << " max "
        << maxHeightTwips << " text " << std::string(text.begin(), text.end());
}

TEST(PintaFrmEquivalence, NewtonTextsInTheStrip)
{
    for (std::int16_t n = 1; n <= 170; ++n) {
        const std::string formula = expandBinomial(n).formula;
        const std::u32string text(formula.begin(), formula.end());
        const float size = newtonFont(n, 9.75f).size;
        expectSameAsLiteral(8040, 345, size, 15, 1, text); // the strip as the window has it
        if (n % 10 == 0)
            expectSameAsLiteral(3000, 1000, size, 20, 1, text); // narrower, taller, coarser pixels
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
        const float height = heights[(i / 4) % 4];
        expectSameAsLiteral(widths[i % 4], height, sizes[(i / 16) % 4], pixels[i % 3],
                            static_cast<float>(i % 5), text,
                            i % 7 == 0 ? height + 300 : 1e9f); // every seventh area stops growing
    }
}

} // namespace
