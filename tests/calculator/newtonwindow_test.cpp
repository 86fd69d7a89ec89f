#include "counting/newton.h"
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
    for (const char* bad : {"0", "abc", "32768", "171"})
        EXPECT_EQ(expand(bad), "") << bad;
    ASSERT_EQ(messages.boxes.size(), 4u) << "one message for each unusable exponent, none before";
    for (const testkit::FakeMessages::Box& box : messages.boxes)
        EXPECT_EQ(box.title + "|" + box.text, "Binomio de Newton|n ha de ser un entero positivo");
    EXPECT_EQ(LstC()->count(), static_cast<int>(expandBinomial(171).coefficients.size()));
}

// The window keeps its margin below the strip while the strip grows for a long
// expansion; Enter again on the same n draws the same over it, and editing the
// exponent takes the drawing away and shrinks the window back. A screen reader
// hears the drawn expansion, and nothing once it is gone.
TEST_F(NewtonRow, ALongExpansionGrowsTheWindowAndTypingShrinksItBack)
{
    const int areaHeight = BNwt()->height();
    const auto margin = [&] { return window.centralWidget()->height() - BNwt()->y() - BNwt()->height(); };
    expand("2");
    EXPECT_EQ(heard(BNwt()), "Newton desarrollo||(a+b)^2 = a^2 +2a b+ b^2");
    expand("170");
    const QImage first = BNwt()->grab().toImage();
    const std::size_t glyphs = BNwt()->drawing().size();
    EXPECT_GT(BNwt()->height(), areaHeight * 10);
    EXPECT_EQ(margin(), 23); // pixels: the 345 twips of the design
    QTest::keyClick(idNb(), Qt::Key_Return);
    EXPECT_EQ(BNwt()->drawing().size(), glyphs);
    EXPECT_EQ(BNwt()->grab().toImage(), first);
    QTest::keyClick(idNb(), Qt::Key_Backspace);
    EXPECT_TRUE(BNwt()->drawing().empty());
    EXPECT_EQ(heard(BNwt()), "Newton desarrollo||");
    EXPECT_EQ(BNwt()->height(), areaHeight);
    EXPECT_EQ(margin(), 23);
}
