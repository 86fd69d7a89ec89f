#include "calculator/core/newton.h"
#include "calculator/ftarvi.h"
#include "platform/fonts.h"
#include "render/picturearea.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

class NewtonRow : public ::testing::Test {
protected:
    NewtonRow()
    {
        platform::installFontSubstitutions();
        window = std::make_unique<FTarvi>(platform::Services{messages, starter});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void typeExponent(const QString& text)
    {
        window->idNb->setFocus();
        window->idNb->selectAll();
        QTest::keyClick(window->idNb, Qt::Key_Backspace);
        QTest::keyClicks(window->idNb, text);
    }

    QStringList coefficients() const
    {
        QStringList items;
        for (int i = 0; i < window->LstC->count(); ++i)
            items << window->LstC->itemText(i);
        return items;
    }

    QString drawnText() const
    {
        QString text;
        for (const PictureArea::Glyph& g : window->BNwt->drawing())
            text += QString::fromUcs4(&g.c, 1);
        return text;
    }

    // The window's height below the drawing area, in pixels.
    int marginBelow() const
    {
        return window->centralWidget()->height() - (window->BNwt->y() + window->BNwt->height());
    }

    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    std::unique_ptr<FTarvi> window;
};

TEST_F(NewtonRow, EnterExpandsListsTheCoefficientsAndDrawsExponentsSmallAndRaised)
{
    typeExponent("3");
    QTest::keyClick(window->idNb, Qt::Key_Return);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(coefficients(), (QStringList{"1", "3", "3", "1"}));
    ASSERT_EQ(drawnText(), "(a+b)3 = a3 +3a2 b+3a b2+ b3");
    const auto& glyphs = window->BNwt->drawing();
    const PictureArea::Glyph& base = glyphs[0];
    const PictureArea::Glyph& exponent = glyphs[5];
    EXPECT_EQ(base.family, "Tahoma");
    EXPECT_EQ(base.size, 9.75f);
    EXPECT_EQ(base.y, 1);
    EXPECT_LT(exponent.size, base.size);
    EXPECT_LT(exponent.y, base.y);
    EXPECT_EQ(window->BNwt->height(), 23); // one line fits the area as designed
}

TEST_F(NewtonRow, ALongExpansionGrowsTheWindowAndTypingShrinksItBack)
{
    const int areaHeight = window->BNwt->height();
    const int clientHeight = window->centralWidget()->height();
    const int margin = marginBelow();

    typeExponent("170");
    window->OkNwt->click();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(window->LstC->count(), 171);
    EXPECT_GT(window->BNwt->height(), areaHeight * 10);
    EXPECT_EQ(marginBelow(), margin);
    // Every line fits: the last one is at least a font size above the bottom.
    EXPECT_GE(window->BNwt->scaleHeight() - window->BNwt->drawing().back().y, 8 - 8 * 0.2f);
    QApplication::processEvents();
    EXPECT_GE(window->height(), window->centralWidget()->height());
    const int grownWindow = window->height();

    QTest::keyClick(window->idNb, Qt::Key_Backspace);
    EXPECT_TRUE(window->BNwt->drawing().empty());
    EXPECT_EQ(window->BNwt->height(), areaHeight);
    EXPECT_EQ(window->centralWidget()->height(), clientHeight);
    EXPECT_EQ(window->LstC->count(), 171); // the list stays
    QApplication::processEvents();
    EXPECT_LT(window->height(), grownWindow);
}

TEST_F(NewtonRow, EveryUnusableExponentShowsTheSameMessage)
{
    for (const char* bad : {"0", "-1", "abc", "", "32768", "2,5e"}) {
        typeExponent(QString::fromLatin1(bad));
        window->OkNwt->click();
        ASSERT_EQ(messages.boxes.size(), 1u) << bad;
        EXPECT_EQ(messages.boxes[0].title, "Binomio de Newton");
        EXPECT_EQ(messages.boxes[0].text, "n ha de ser un entero positivo");
        EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(window->LstC->count(), 0) << bad;
        messages.boxes.clear();
    }
}

TEST_F(NewtonRow, FromN171TheCoefficientsBeforeTheOverflowStayAndNothingIsDrawn)
{
    typeExponent("171");
    QTest::keyClick(window->idNb, Qt::Key_Return);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "n ha de ser un entero positivo");
    const NewtonExpansion partial = expandBinomial(171);
    EXPECT_EQ(window->LstC->count(), static_cast<int>(partial.coefficients.size()));
    EXPECT_GT(window->LstC->count(), 100);
    EXPECT_TRUE(window->BNwt->drawing().empty());
    EXPECT_EQ(window->BNwt->height(), 23);
}

TEST_F(NewtonRow, FontFollowsTheExponentAndASecondExpansionDrawsOverTheFirst)
{
    const auto drawnIn = [&](const char* n) {
        typeExponent(QString::fromLatin1(n));
        window->OkNwt->click();
        const PictureArea::Glyph& g = window->BNwt->drawing().front();
        return g.family + " " + QString::number(g.size);
    };
    EXPECT_EQ(drawnIn("9"), "Tahoma 9.75");
    EXPECT_EQ(drawnIn("10"), "Arial Narrow 9.75");
    EXPECT_EQ(drawnIn("11"), "Arial Narrow 8");
    EXPECT_EQ(window->BNwt->fontSize(), 8);

    const std::size_t once = window->BNwt->drawing().size();
    window->OkNwt->click();
    EXPECT_EQ(window->BNwt->drawing().size(), 2 * once);
}

} // namespace
