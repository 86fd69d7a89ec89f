#include "render/picturearea.h"

#include "calculator/core/newton.h"
#include "render/pintafrm.h"
#include "tests/render/literalfrm.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

// How many pixels of an image are darker than mid-grey.
int inked(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

std::u32string u32(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

TEST(PictureArea, HeightsInTwipsAreWholePixelsRoundedUp)
{
    PictureArea area;
    area.resize(536, 23);
    EXPECT_EQ(area.heightTwips(), 345);
    EXPECT_EQ(area.scaleWidth(), 402);
    EXPECT_EQ(area.scaleHeight(), 17.25f);

    int resized = 0;
    QObject::connect(&area, &PictureArea::resized, [&] { ++resized; });
    area.setHeightTwips(345.4f + 8.8f); // any growth is at least a pixel
    EXPECT_EQ(area.height(), 24);
    EXPECT_EQ(area.heightTwips(), 360);
    area.setHeightTwips(300);
    EXPECT_EQ(area.height(), 20);
    area.show();
    area.setHeightTwips(450);
    EXPECT_GE(resized, 1);
}

TEST(PictureArea, PrintingAdvancesThePenByTheCharacterWidth)
{
    PictureArea area;
    area.setFontName(QStringLiteral("DejaVu Sans"));
    area.setFontSize(10);
    area.setCurrentX(5);
    area.setCurrentY(2);
    area.print(U'm');
    const float wide = area.currentX() - 5;
    area.print(U'i');
    const float narrow = area.currentX() - 5 - wide;
    EXPECT_GT(wide, narrow);
    EXPECT_GT(narrow, 0);
    area.setFontSize(8);
    const float before = area.currentX();
    area.print(U'm');
    EXPECT_LT(area.currentX() - before, wide);
    EXPECT_EQ(area.currentY(), 2);
    ASSERT_EQ(area.drawing().size(), 3u);
    EXPECT_EQ(area.drawing()[0], (PictureArea::Glyph{U'm', 5, 2, 10, QStringLiteral("DejaVu Sans")}));
}

TEST(PictureArea, KeepsItsDrawingUntilCleared)
{
    PictureArea area;
    area.resize(300, 40);
    float y = 1;
    PintaFrm(area, 0, y, U"(a+b)^2 = a^2 +2a b+ b^2");
    const QImage first = area.grab().toImage();
    EXPECT_GT(inked(first), 50);
    // Covered and uncovered: every repaint draws the same again.
    area.update();
    EXPECT_EQ(area.grab().toImage(), first);

    area.clear();
    EXPECT_TRUE(area.drawing().empty());
    EXPECT_EQ(inked(area.grab().toImage()), 0);
}

// With real font metrics and whole-pixel heights, the program's renderer and the
// slow one still agree on every character and on the final height.
TEST(PictureArea, RendererMatchesTheLiteralDrawingWithRealFonts)
{
    for (const std::int16_t n : {3, 12, 40, 170}) {
        const NewtonFont font = newtonFont(n, 9.75f);
        PictureArea fast;
        PictureArea literal;
        for (PictureArea* area : {&fast, &literal}) {
            area->resize(536, 23);
            area->setFontName(QString::fromStdString(font.name));
            area->setFontSize(font.size);
        }
        const std::u32string text = u32(expandBinomial(n).formula);
        float yFast = 1;
        float yLiteral = 1;
        PintaFrm(fast, 0, yFast, text);
        testkit::PintaFrmLiteral(literal, 0, yLiteral, text);
        EXPECT_EQ(yFast, yLiteral) << n;
        EXPECT_EQ(fast.height(), literal.height()) << n;
        EXPECT_TRUE(fast.drawing() == literal.drawing()) << n;
        EXPECT_EQ(fast.fontSize(), font.size);
        if (n >= 40) {
            EXPECT_GT(fast.height(), 23 * 3) << n; // grew by several lines
        }
    }
}

} // namespace
