#include "calculator/core/newton.h"
#include "render/picturearea.h"
#include "tests/calculator/mainwindow.h"

using namespace tarvi;

class NewtonRow : public testkit::MainWindowTest {
protected:
    // Types the exponent and presses Enter; returns what the strip then shows:
    // the first character's font, then every character drawn.
    QString expand(const char* n)
    {
        idNb()->clear();
        QTest::keyClicks(idNb(), n);
        QTest::keyClick(idNb(), Qt::Key_Return);
        const std::vector<PictureArea::Glyph>& glyphs = BNwt()->drawing();
        QString shown = glyphs.empty() ? "" : glyphs[0].family + " " + QString::number(glyphs[0].size) + ":";
        for (const PictureArea::Glyph& g : glyphs)
            shown += QString::fromUcs4(&g.c, 1);
        return shown;
    }
};

// The font follows n. From 171 on a coefficient overflows: those before it
// stay listed, nothing is drawn, and the message is the one for an exponent
// that is no number.
TEST_F(NewtonRow, ExpandsOrShowsTheMessageKeepingTheCoefficientsItCouldCompute)
{
    EXPECT_EQ(expand("3"), "Tahoma 9.75:(a+b)3 = a3 +3a2 b+3a b2+ b3");
    EXPECT_EQ(items(LstC()), (QStringList{"1", "3", "3", "1"}));
    EXPECT_TRUE(expand("11").startsWith("Arial Narrow 8:(a+b)11 = a11 +11a10 b+55a9 b2"));
    expand("98"); // listed whole, and the same on both sides of the row
    EXPECT_EQ(LstC()->itemText(93).toStdString() + " " + LstC()->itemText(5).toStdString(),
              "67910864 67910864");
    for (const char* bad : {"0", "abc", "32768", "171"})
        EXPECT_EQ(expand(bad), "") << bad;
    ASSERT_EQ(messages.boxes.size(), 4u) << "one message for each unusable exponent, none before";
    for (const testkit::FakeMessages::Box& box : messages.boxes)
        EXPECT_EQ(box.title + "|" + box.text, "Binomio de Newton|n ha de ser un entero positivo");
    EXPECT_EQ(LstC()->count(), static_cast<int>(expandBinomial(171).coefficients.size()));
}

// Every character of the longest expansion ends inside the area, in the fonts
// it is drawn with, and pressing Enter again on the same n draws the same
// glyphs over themselves: nothing piles up, no pixel changes.
TEST_F(NewtonRow, TheLongestExpansionStaysInsideTheAreaAndRedrawsUnchanged)
{
    expand("170");
    PictureArea& area = *BNwt();
    const std::vector<PictureArea::Glyph> drawn = area.drawing();
    const QImage first = area.grab().toImage();
    for (const PictureArea::Glyph& g : drawn) {
        area.setFontSize(g.size);
        EXPECT_LE(g.x + area.textWidth(g.c), area.scaleWidth())
            << QString::fromUcs4(&g.c, 1).toStdString() << " at " << g.x << ", " << g.y;
    }
    for (int press = 2; press <= 50; ++press)
        QTest::keyClick(idNb(), Qt::Key_Return);
    EXPECT_EQ(area.drawing().size(), drawn.size());
    EXPECT_EQ(area.grab().toImage(), first);
    EXPECT_TRUE(messages.boxes.empty());
}

// The window keeps its margin below the strip while the strip grows for a long
// expansion, and shrinks back when the exponent is edited.
TEST_F(NewtonRow, ALongExpansionGrowsTheWindowAndTypingShrinksItBack)
{
    const int areaHeight = BNwt()->height();
    const auto margin = [&] { return window.centralWidget()->height() - BNwt()->y() - BNwt()->height(); };
    expand("170");
    EXPECT_GT(BNwt()->height(), areaHeight * 10);
    EXPECT_EQ(margin(), 23); // pixels: the 345 twips of the design
    QTest::keyClick(idNb(), Qt::Key_Backspace);
    EXPECT_TRUE(BNwt()->drawing().empty());
    EXPECT_EQ(BNwt()->height(), areaHeight);
    EXPECT_EQ(margin(), 23);
}
