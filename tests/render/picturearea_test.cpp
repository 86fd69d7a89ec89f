#include "render/picturearea.h"

#include "render/pintafrm.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

// What is drawn stays through every repaint (each grab paints afresh, as when
// the area is uncovered) until the area is cleared. The same characters drawn
// again at the same places leave the glyphs and pixels as they were.
TEST(PictureArea, KeepsItsDrawingUntilClearedAndAddsOnlyWhatDiffers)
{
    PictureArea area;
    area.resize(300, 40);
    const QImage blank = area.grab().toImage();
    constexpr std::u32string_view formula = U"(a+b)^2 = a^2 +2a b+ b^2";
    float y = 1;
    PintaFrm(area, 0, y, formula);
    const std::vector<PictureArea::Glyph> once = area.drawing();
    const QImage first = area.grab().toImage();
    EXPECT_NE(first, blank);
    PintaFrm(area, 0, y = 1, formula);
    EXPECT_TRUE(area.drawing() == once) << area.drawing().size() << " glyphs, " << once.size() << " at first";
    EXPECT_EQ(area.grab().toImage(), first);
    PintaFrm(area, 0, y = 1, U"[");
    EXPECT_EQ(area.drawing().size(), once.size() + 1) << "a bracket over the parenthesis";
    area.clear();
    EXPECT_EQ(area.grab().toImage(), blank);
}

// Sizes are in points, heights also in twips, 15 to the pixel; a height
// between two whole pixels takes the larger one, so that every step of growth
// makes the area taller.
TEST(PictureArea, SizesInPointsAndTwips)
{
    PictureArea area;
    area.resize(400, 30);
    EXPECT_EQ(area.scaleWidth(), 300);
    EXPECT_EQ(area.scaleHeight(), 22.5f);
    area.setHeightTwips(451);
    EXPECT_EQ(area.heightTwips(), 465);
    area.setHeightTwips(465);
    EXPECT_EQ(area.heightTwips(), 465);
}

} // namespace
