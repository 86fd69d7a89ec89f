#include "calculator/core/newton.h"
#include "render/picturearea.h"
#include "tests/support/mainwindow.h"

#include <QApplication>

using namespace tarvi;

namespace {

class NewtonRow : public testkit::MainWindowTest {
protected:
    void expand(const char* n)
    {
        window->idNb->clear();
        type(window->idNb, n);
        QTest::keyClick(window->idNb, Qt::Key_Return);
    }

    // What the strip shows: the first character's font, then every character.
    QString shown() const
    {
        const std::vector<PictureArea::Glyph>& glyphs = window->BNwt->drawing();
        QString text = glyphs.empty() ? "" : glyphs[0].family + " " + QString::number(glyphs[0].size) + ":";
        for (const PictureArea::Glyph& g : glyphs)
            text += QString::fromUcs4(&g.c, 1);
        return text;
    }
};

TEST_F(NewtonRow, ExpandsListsTheCoefficientsAndPicksTheFontByN)
{
    expand("3");
    EXPECT_EQ(items(window->LstC), (QStringList{"1", "3", "3", "1"}));
    EXPECT_EQ(shown(), "Tahoma 9.75:(a+b)3 = a3 +3a2 b+3a b2+ b3");
    expand("10");
    EXPECT_TRUE(shown().startsWith("Arial Narrow 9.75:(a+b)10 = a10 +10a9 b")) << shown().toStdString();
    expand("11");
    EXPECT_TRUE(shown().startsWith("Arial Narrow 8:")) << shown().toStdString();
    EXPECT_TRUE(messages.boxes.empty());
}

// The window keeps its margin below the strip while the strip grows for a long
// expansion and shrinks back when the exponent is edited.
TEST_F(NewtonRow, ALongExpansionGrowsTheWindowAndTypingShrinksItBack)
{
    const int areaHeight = window->BNwt->height();
    const auto marginBelow = [&] { return window->centralWidget()->height() - window->BNwt->geometry().bottom(); };
    const int margin = marginBelow();
    expand("170");
    EXPECT_EQ(window->LstC->count(), 171);
    EXPECT_GT(window->BNwt->height(), areaHeight * 10);
    EXPECT_EQ(marginBelow(), margin);
    QApplication::processEvents();
    const int grownWindow = window->height();

    QTest::keyClick(window->idNb, Qt::Key_Backspace);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(window->BNwt->height(), areaHeight);
    EXPECT_EQ(marginBelow(), margin);
    EXPECT_EQ(window->LstC->count(), 171); // the list stays
    QApplication::processEvents();
    EXPECT_LT(window->height(), grownWindow);
    EXPECT_TRUE(messages.boxes.empty());
}

// From 171 on a coefficient overflows: those before it stay listed, nothing is
// drawn, and the message is the one for an exponent that is no number.
TEST_F(NewtonRow, UnusableExponentsShowTheMessageAndDrawNothing)
{
    for (const char* bad : {"0", "abc", "32768", "171"}) {
        messages.boxes.clear();
        expand(bad);
        ASSERT_EQ(messages.boxes.size(), 1u) << bad;
        EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text, "Binomio de Newton|n ha de ser un entero positivo");
        EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
        const std::size_t kept = std::string(bad) == "171" ? expandBinomial(171).coefficients.size() : 0;
        EXPECT_EQ(window->LstC->count(), static_cast<int>(kept)) << bad;
        EXPECT_EQ(shown(), "");
        EXPECT_EQ(window->BNwt->height(), 23);
    }
}

} // namespace
