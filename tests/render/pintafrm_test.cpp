#include "render/pintafrm.h"

#include "counting/newton.h"
#include "testkit/fakearea.h"
#include "testkit/literalfrm.h"

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

// A raised run is drawn at four fifths of the size, a fifth of the size up,
// and ends at the first character that is not a digit; a lowered one sits two
// thirds of the size down; "^(" and "_(" carry a run over a group without its
// parentheses. The font size is restored, and a text that fits is drawn over
// what is there.
TEST(PintaFrm, RaisedAndLoweredRuns)
{
    FakeArea area(8000, 2000, 15);
    area.drawing.push_back({U'?', 50, 3, 10});
    float y = 5;
    PintaFrm(area, 3, y, U"x^2y^(n-1)+x_12+1");
    ASSERT_EQ(shown(area.drawing), "?x2yn-1+x12+1");
    const std::string levels = " prprrrppllpp"; // plain, raised, lowered
    for (std::size_t i = 1; i < levels.size(); ++i) {
        EXPECT_EQ(area.drawing[i].size, levels[i] == 'p' ? 15 : 12) << i;
        EXPECT_EQ(area.drawing[i].y, levels[i] == 'r' ? 5 - 3 : levels[i] == 'l' ? 5 + 10 : 5) << i;
    }
    const float xw = 15 * FakeArea::widthFactor(U'x');
    EXPECT_EQ(area.drawing[3].x, 3 + xw + 12 * FakeArea::widthFactor(U'2'));
    EXPECT_EQ(y, 5);
    EXPECT_EQ(area.fontSize(), 15);
}

// Plain text wraps after the character that crosses 98 % of the width; a
// character that would end beyond the right edge starts the next line
// instead, a raised one still raised there. Areas 100 points wide.
TEST(PintaFrm, LinesWrapWithinTheWidth)
{
    FakeArea plain(2000, 4000, 10);
    float y = 2;
    PintaFrm(plain, 1, y, std::u32string(40, U'a'));
    EXPECT_EQ(plain.drawing[17], (Glyph{U'a', 94.5f, 2, 10})); // crosses 98 and ends at 100
    EXPECT_EQ(plain.drawing[18], (Glyph{U'a', 1, 2 + 11.0f, 10}));
    EXPECT_EQ(y, plain.drawing.back().y);

    FakeArea raised(2000, 4000, 10);
    y = 0;
    PintaFrm(raised, 0, y, std::u32string(17, U'a') + U"^12 " + std::u32string(16, U'a') + U"m");
    for (const Glyph& g : raised.drawing)
        EXPECT_LE(g.x + g.size * FakeArea::widthFactor(g.c), 100) << static_cast<char>(g.c) << " at " << g.x;
    EXPECT_EQ(raised.drawing[17], (Glyph{U'1', 93.5f, -2, 8}));
    EXPECT_EQ(raised.drawing[18], (Glyph{U'2', 0, 11 - 2, 8}));
    EXPECT_EQ(raised.drawing.back(), (Glyph{U'm', 0, 22, 10}));
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
// font size and pen on every Newton text in the strip as the window has it.
// The fuzz target render_fuzz compares them on any markup and geometry.
TEST(PintaFrm, DrawsNewtonTextsAsTheLiteralReference)
{
    const auto outcome = [](auto draw, std::int16_t n) {
        const std::string formula = expandBinomial(n).formula;
        FakeArea area(8040, 345, newtonFont(n, 9.75f).size, 15);
        area.drawing.push_back({U'#', 7, 7, 7}); // a previous drawing, kept or cleared
        float y = 1;
        draw(area, 0.0f, y, std::u32string(formula.begin(), formula.end()));
        return std::tuple(area.drawing, area.heightTwips(), y, area.fontSize(), area.currentX(),
                          area.currentY());
    };
    for (std::int16_t n = 1; n <= 170; ++n)
        ASSERT_TRUE(outcome(PintaFrm, n) == outcome(testkit::literalPintaFrm, n)) << "n = " << n;
}

} // namespace
