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

} // namespace
