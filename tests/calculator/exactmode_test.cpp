#include "counting/evaluation.h"
#include "counting/newton.h"
#include "filedialog/dftxs.h"
#include "tests/calculator/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>

using namespace tarvi;
using testkit::control;

namespace {

const QString kC100_50 = "100891344545564193334812497256";

// The main window with "Enteros exactos" off at the start of every test.
class ExactMode : public testkit::MainWindowTest {
protected:
    ExactMode()
    {
        exact()->setChecked(false);
        messages.boxes.clear();
    }
    ~ExactMode() override { exact()->setChecked(false); }

    QAction* exact() const { return action("OpExact"); }

    void evaluate(int kind, const char* m, const char* n = nullptr)
    {
        IdM(kind)->setText(m);
        if (n != nullptr)
            IdN(kind)->setText(n);
        okD(kind)->click();
    }
};

} // namespace

// Each switch takes again the counts on screen, and one the new mode cannot
// show goes quietly. (The menu's test places the entry.)
TEST_F(ExactMode, TheSwitchTakesEveryCountOnScreenAgain)
{
    EXPECT_TRUE(exact()->isCheckable());

    evaluate(2, "13");
    evaluate(4, "100", "50");
    ASSERT_EQ(messages.boxes.size(), 2u)
        << "P(13) and C(100,50) are past the 32-bit count with the entry off";
    evaluate(0, "10", "5");
    exact()->setChecked(true);
    EXPECT_EQ(IdRes(2)->text(), "") << "an empty box stays empty";
    EXPECT_EQ(IdRes(0)->text(), "30240");
    evaluate(2, "13");
    evaluate(4, "100", "50");
    EXPECT_EQ(IdRes(2)->text(), "6227020800");
    EXPECT_EQ(IdRes(4)->text(), kC100_50);
    const std::string working =
        "C(100,50) = 100! / (50!·50!) = (100·99·98·…·51) / 50! = 3068518756…(94 cifras) / "
        "3041409320…(65 cifras) = " +
        kC100_50.toStdString();
    EXPECT_EQ(heard(IdRes(4)), "C resultado|" + kC100_50.toStdString() + "|" + working);
    // The tool tip writes a step a line.
    EXPECT_EQ(IdRes(4)->toolTip().toStdString(),
              "C(100,50)\n= 100! / (50!·50!)\n= (100·99·98·…·51) / 50!\n= 3068518756…(94 cifras) / "
              "3041409320…(65 cifras)\n= " +
                  kC100_50.toStdString());

    exact()->setChecked(false);
    EXPECT_EQ(IdRes(2)->text(), "");
    EXPECT_EQ(IdRes(2)->toolTip(), "");
    EXPECT_EQ(IdRes(4)->text(), "");
    EXPECT_EQ(IdRes(0)->text(), "30240");
    EXPECT_EQ(IdRes(0)->toolTip(), "V(10,5) = 10·9·8·7·6 = 30240");
    EXPECT_EQ(messages.boxes.size(), 2u) << "no message for a count the switch took away";

    // Every digit of 32767! stays in the box, for select-all and copy.
    exact()->setChecked(true);
    evaluate(2, "32767");
    EXPECT_EQ(IdRes(2)->text().size(), 133730);
    // Its tool tip breaks the count into lines of 100 characters, the first
    // starting with "= ", and drops nothing.
    const QStringList tipLines = IdRes(2)->toolTip().split('\n');
    EXPECT_EQ(tipLines.size(), 3 + 1338);
    EXPECT_EQ(std::ranges::max(tipLines, {}, &QString::size).size(), 100);
    EXPECT_EQ(tipLines.join(""), IdRes(2)->accessibleDescription().replace(" = ", "= "));
    EXPECT_EQ(IdRes(2)->text().toStdString(),
              tarvi::evaluate(FormulaKind::P, {"32767", {}, {}}, CountMode::Exact).result);
}

// The choice is the user's setting: a window made later starts with it.
TEST_F(ExactMode, TheChoiceSurvivesARestart)
{
    for (bool on : {true, false}) {
        exact()->setChecked(on);
        FTarvi later{platform::Services{messages, starter, work.folder()}};
        EXPECT_EQ(control<QAction>(later, "OpExact")->isChecked(), on);
        control<QLineEdit>(later, "IdM(2)")->setText("13");
        control<QPushButton>(later, "okD(2)")->click();
        EXPECT_EQ(control<QLineEdit>(later, "IdRes(2)")->text(), on ? "6227020800" : "");
    }
}

// A settings file that is no ordinary file is left alone: a pipe in its place
// neither hangs the start nor takes a choice.
TEST_F(ExactMode, ASettingsFileThatIsAPipeIsLeftAlone)
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/io.github.tarvi.tarvi.conf";
    QFile::remove(file);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    FTarvi later{platform::Services{messages, starter, work.folder()}};
    control<QAction>(later, "OpExact")->setChecked(true);
    EXPECT_FALSE(QFileInfo(file).isFile());
    FTarvi again{platform::Services{messages, starter, work.folder()}};
    EXPECT_FALSE(control<QAction>(again, "OpExact")->isChecked());
    QFile::remove(file);
}

// A saved case holds the whole count.
TEST_F(ExactMode, TheCaseFileHoldsTheExactCount)
{
    exact()->setChecked(true);
    evaluate(4, "100", "50");
    QDir().mkdir(work.file("Prbls"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->IdNom, "casos.txt");
        dialog->BtOk->click();
    });
    action("OpGuard")->trigger();
    QFile file(work.file("Prbls/casos.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "C(100,50) = " + kC100_50 + "\r\n\r\n");
}

// With the entry on, the coefficients are whole, in the list and the
// drawing; switching takes the shown expansion again. The range stays 1 to 170.
TEST_F(ExactMode, TheNewtonListHoldsWholeCoefficients)
{
    const auto expand = [this](const char* n) {
        idNb()->setText(n);
        QTest::keyClick(idNb(), Qt::Key_Return);
    };
    const std::vector<std::string> exactRow = expandBinomial(170, CountMode::Exact).coefficients;
    exact()->setChecked(true);
    expand("170");
    ASSERT_EQ(LstC()->count(), 171);
    EXPECT_EQ(LstC()->itemText(85).toStdString(), exactRow[85]);
    EXPECT_EQ(exactRow[85].size(), 50u);
    EXPECT_TRUE(
        BNwt()->accessibleDescription().contains(QString::fromStdString("+" + exactRow[85] + "a^85 b^85+")));

    exact()->setChecked(false);
    EXPECT_EQ(LstC()->itemText(85).toStdString(), expandBinomial(170).coefficients[85]);
    EXPECT_EQ(BNwt()->accessibleDescription().toStdString(), expandBinomial(170).formula);

    expand("171");
    EXPECT_EQ(messages.boxes.size(), 1u);
    exact()->setChecked(true);
    const std::vector<std::string> cutOff = expandBinomial(171, CountMode::Exact).coefficients;
    ASSERT_EQ(LstC()->count(), static_cast<int>(cutOff.size())) << "an expansion cut off stays cut off";
    EXPECT_EQ(LstC()->itemText(LstC()->count() - 1).toStdString(), cutOff.back());
    EXPECT_EQ(BNwt()->accessibleDescription(), "");
    EXPECT_EQ(messages.boxes.size(), 1u);
}
