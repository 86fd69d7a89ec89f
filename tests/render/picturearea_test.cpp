#include "render/picturearea.h"

#include "render/pintafrm.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

// What is drawn stays: every repaint (each grab paints the widget afresh, as
// when it is uncovered) shows it again, until the area is cleared.
TEST(PictureArea, KeepsItsDrawingAcrossRepaintsUntilCleared)
{
    PictureArea area;
    area.resize(300, 40);
    const QImage blank = area.grab().toImage();
    float y = 1;
    PintaFrm(area, 0, y, U"(a+b)^2 = a^2 +2a b+ b^2");
    const QImage first = area.grab().toImage();
    EXPECT_NE(first, blank);
    EXPECT_EQ(area.grab().toImage(), first);
    area.clear();
    EXPECT_EQ(area.grab().toImage(), blank);
}

// Drawing over the drawing adds what differs; the same characters drawn again
// at the same places leave the glyphs and the pixels as they were.
TEST(PictureArea, DrawingTheSameAgainChangesNothing)
{
    PictureArea area;
    area.resize(300, 40);
    float y = 1;
    PintaFrm(area, 0, y, U"(a+b)^2 = a^2 +2a b+ b^2");
    const std::vector<PictureArea::Glyph> once = area.drawing();
    const QImage first = area.grab().toImage();
    for (int i = 0; i < 3; ++i) {
        y = 1;
        PintaFrm(area, 0, y, U"(a+b)^2 = a^2 +2a b+ b^2");
    }
    EXPECT_TRUE(area.drawing() == once) << area.drawing().size() << " glyphs, " << once.size() << " at first";
    EXPECT_EQ(area.grab().toImage(), first);
    y = 1;
    PintaFrm(area, 0, y, U"[");
    EXPECT_EQ(area.drawing().size(), once.size() + 1) << "a bracket over the parenthesis";
}

} // namespace
