// The set list through the real window: double-clicks on the result boxes and
// on the list itself.

#include "calculator/ftarvi.h"
#include "calculator/twips.h"
#include "tests/support/fakes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

class SetList : public ::testing::Test {
protected:
    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    FTarvi window{{messages, starter}};

    int clientWidth() const { return window.centralWidget()->width(); }

    void evaluate(FormulaKind kind, const QString& m, const QString& n = {})
    {
        window.IdM[index(kind)]->setText(m);
        if (window.IdN[index(kind)])
            window.IdN[index(kind)]->setText(n);
        QTest::mouseClick(window.okD[index(kind)], Qt::LeftButton);
    }

    void doubleClickResult(FormulaKind kind) { QTest::mouseDClick(window.IdRes[index(kind)], Qt::LeftButton); }
    void doubleClickList() { QTest::mouseDClick(window.IdConjs->viewport(), Qt::LeftButton); }
};

TEST_F(SetList, DoubleClickOnASmallCountWidensTheWindowAndListsTheSubsets)
{
    const int initial = clientWidth();
    ASSERT_EQ(initial, px(FTarvi::kClientWidth));
    evaluate(FormulaKind::C, "4", "2");
    ASSERT_EQ(window.IdRes[index(FormulaKind::C)]->text(), "6");

    doubleClickResult(FormulaKind::C);
    EXPECT_EQ(clientWidth(), px(10300));
    // The list now lies inside the widened window.
    EXPECT_LE(window.IdConjs->geometry().right(), clientWidth());
    EXPECT_EQ(window.IdConjs->toPlainText(), "[abcd]\n 1) ab\n 2) ac\n 3) ad\n 4) bc\n 5) bd\n 6) cd");

    doubleClickList();
    EXPECT_EQ(clientWidth(), initial);
    // The text stays for the next time.
    EXPECT_TRUE(window.IdConjs->toPlainText().startsWith("[abcd]"));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SetList, PermutationsWithRepetitionListTheirMultiset)
{
    window.IdM[index(FormulaKind::PR)]->setText("4");
    for (const char* entry : {"2", "1", "1"}) {
        QTest::keyClicks(window.npr->lineEdit(), entry);
        QTest::keyClick(window.npr->lineEdit(), Qt::Key_Return);
    }
    QTest::mouseClick(window.okD[index(FormulaKind::PR)], Qt::LeftButton);
    ASSERT_EQ(window.IdRes[index(FormulaKind::PR)]->text(), "12");

    doubleClickResult(FormulaKind::PR);
    const QStringList lines = window.IdConjs->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines.front(), "[aabc]");
    EXPECT_EQ(lines[1], " 1) aabc");
    EXPECT_EQ(lines.back(), " 12) cbaa");
    EXPECT_EQ(clientWidth(), px(10300));
}

TEST_F(SetList, EmptyBoxesAndCountsAboveFiftyLeaveTheWindowAsItIs)
{
    const int initial = clientWidth();
    doubleClickResult(FormulaKind::V); // nothing evaluated yet
    EXPECT_EQ(clientWidth(), initial);

    evaluate(FormulaKind::C, "51", "1");
    ASSERT_EQ(window.IdRes[index(FormulaKind::C)]->text(), "51");
    doubleClickResult(FormulaKind::C);
    EXPECT_EQ(clientWidth(), initial);
    EXPECT_TRUE(window.IdConjs->toPlainText().isEmpty());

    evaluate(FormulaKind::C, "50", "1");
    doubleClickResult(FormulaKind::C);
    EXPECT_EQ(clientWidth(), px(10300));
    EXPECT_TRUE(window.IdConjs->toPlainText().endsWith("\n 50) X"));
}

TEST_F(SetList, AListThatNoLongerMatchesItsCountIsNotShown)
{
    // Adding an entry to the PR list leaves the panel's count standing; the
    // listing is built from what the panel holds now, which it rejects.
    const auto enter = [this](const char* entry) {
        QTest::keyClicks(window.npr->lineEdit(), entry);
        QTest::keyClick(window.npr->lineEdit(), Qt::Key_Return);
    };
    window.IdM[index(FormulaKind::PR)]->setText("2");
    enter("1");
    enter("1");
    QTest::mouseClick(window.okD[index(FormulaKind::PR)], Qt::LeftButton);
    enter("1");
    ASSERT_EQ(window.IdRes[index(FormulaKind::PR)]->text(), "2");

    const int initial = clientWidth();
    doubleClickResult(FormulaKind::PR);
    EXPECT_EQ(clientWidth(), initial);
    EXPECT_TRUE(window.IdConjs->toPlainText().isEmpty());
    EXPECT_TRUE(messages.boxes.empty());
}

} // namespace
