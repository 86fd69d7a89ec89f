// The set list: double-clicking a count up to fifty widens the window and lists
// what was counted; double-clicking the list narrows the window again.

#include "calculator/twips.h"
#include "tests/support/mainwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace tarvi;
using SetList = testkit::MainWindowTest;

TEST_F(SetList, CountsUpToFiftyAreListedUntilTheListIsDoubleClicked)
{
    const auto evaluate = [&](int kind, const char* m, const char* n) {
        window->IdM[kind]->setText(m);
        if (window->IdN[kind])
            window->IdN[kind]->setText(n);
        window->okD[kind]->click();
    };
    // Double-clicks the result; what the widened window lists, or "-" when it stays narrow.
    const auto listed = [&](int kind) {
        QTest::mouseDClick(window->IdRes[kind], Qt::LeftButton);
        return window->centralWidget()->width() == px(10300) ? window->IdConjs->toPlainText() : "-";
    };
    EXPECT_EQ(listed(0), "-"); // nothing evaluated yet
    evaluate(4, "51", "1");
    EXPECT_EQ(listed(4), "-");
    evaluate(4, "50", "1");
    EXPECT_TRUE(listed(4).endsWith("\n 50) X"));
    evaluate(4, "4", "2");
    EXPECT_EQ(listed(4), "[abcd]\n 1) ab\n 2) ac\n 3) ad\n 4) bc\n 5) bd\n 6) cd");
    EXPECT_LE(window->IdConjs->geometry().right(), window->centralWidget()->width());

    QTest::mouseDClick(window->IdConjs->viewport(), Qt::LeftButton);
    EXPECT_EQ(window->centralWidget()->width(), px(FTarvi::kClientWidth));
    EXPECT_TRUE(window->IdConjs->visibleRegion().isEmpty());

    window->IdM[3]->setText("4");
    addMultiplicities({"2", "1", "1"});
    window->okD[3]->click();
    const QStringList lines = listed(3).split('\n');
    EXPECT_EQ(lines.size(), 13);
    EXPECT_EQ(lines.front() + lines.back(), "[aabc] 12) cbaa");
    EXPECT_TRUE(messages.boxes.empty());
}
