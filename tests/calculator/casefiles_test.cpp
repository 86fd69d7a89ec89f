#include "calculator/ftarvi.h"
#include "filedialog/dftxs.h"

#include "tests/support/fakes.h"
#include "tests/support/workdir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tarvi;

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The main window in a fresh working folder that holds Prbls.
class CaseFiles : public ::testing::Test {
protected:
    testkit::TempWorkDir work;
    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    std::unique_ptr<FTarvi> window;
    QString prbls = work.file("Prbls");

    CaseFiles()
    {
        QDir(work.path()).mkdir("Prbls");
        window = std::make_unique<FTarvi>(platform::Services{messages, starter});
        window->show();
    }

    void solve(FormulaKind kind, const char* m, const char* n)
    {
        QTest::keyClicks(window->IdM[index(kind)], m);
        if (n != nullptr)
            QTest::keyClicks(window->IdN[index(kind)], n);
        QTest::mouseClick(window->okD[index(kind)], Qt::LeftButton);
    }

    void solveSeveral()
    {
        solve(FormulaKind::V, "5", "3");
        solve(FormulaKind::P, "4", nullptr);
        QTest::keyClicks(window->IdM[index(FormulaKind::PR)], "6");
        for (const char* entry : {"2", "3", "1"}) {
            QTest::keyClicks(window->npr->lineEdit(), entry);
            QTest::keyClick(window->npr->lineEdit(), Qt::Key_Return);
        }
        QTest::mouseClick(window->okD[index(FormulaKind::PR)], Qt::LeftButton);
        solve(FormulaKind::CR, "3", "2");
    }

    // Chooses a menu entry; the script answers the file dialog it opens.
    void choose(QAction* entry, const std::function<void(DFtxs&)>& script)
    {
        QTimer::singleShot(0, [&script] {
            auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            script(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->reject();
            }
        });
        ASSERT_TRUE(entry->isEnabled());
        entry->trigger();
    }

    static std::function<void(DFtxs&)> typeAndOk(const QString& name)
    {
        return [name](DFtxs& dialog) {
            QTest::keyClicks(dialog.IdNom, name);
            dialog.BtOk->click();
        };
    }
};

const QByteArray kBlock = "V(5,3) = 60\r\n\r\nP(4) = 24\r\n\r\nPR(6[2][3][1]) = 60\r\n\r\nCR(3,2) = 6\r\n\r\n";

} // namespace

TEST_F(CaseFiles, SaveAppendsTheBlockAndOpensTheEditor)
{
    solveSeveral();
    ASSERT_TRUE(messages.boxes.empty());
    choose(window->OpGuard, [&](DFtxs& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Guardar");
        EXPECT_EQ(dialog.LTps->currentText(), "*.txt");
        EXPECT_EQ(QDir::cleanPath(QDir::currentPath()), QDir::cleanPath(work.path()));
        QDir::setCurrent(prbls); // the working folder comes back afterwards
        QTest::keyClicks(dialog.IdNom, "casos");
        dialog.BtOk->click();
    });
    const QString path = prbls + "/casos.txt";
    EXPECT_EQ(read(path), kBlock);
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].commandLine, "NotePad.exe " + path);
    EXPECT_EQ(starter.starts[0].style, platform::WindowStyle::NormalFocus);
    EXPECT_EQ(QDir::currentPath(), work.path());

    choose(window->OpGuard, typeAndOk("casos.txt"));
    EXPECT_EQ(read(path), kBlock + kBlock);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(CaseFiles, CancelWritesAndStartsNothingButResetsTheWorkingFolder)
{
    solveSeveral();
    choose(window->OpGuard, [&](DFtxs& dialog) {
        QDir::setCurrent(prbls);
        QTest::keyClicks(dialog.IdNom, "casos");
        dialog.BtFuig->click();
    });
    EXPECT_TRUE(QDir(prbls).isEmpty());
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_EQ(QDir::currentPath(), work.path());
}

TEST_F(CaseFiles, FilesThatCannotBeAppendedToAreNamedWithTheReason)
{
    solveSeveral();
    const QString locked = prbls + "/locked.txt";
    {
        QFile file(locked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept\r\n");
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    choose(window->OpGuard, typeAndOk("locked.txt"));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "Casos");
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes[0].text, "No se ha podido añadir el caso al archivo\r\n" + locked +
                                          "\r\nMotivo: es de solo lectura\r\nEl archivo queda como estaba.");
    EXPECT_EQ(read(locked), "kept\r\n");

    choose(window->OpGuard, typeAndOk("/dev/full"));
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_TRUE(messages.boxes[1].text.contains("/dev/full\r\nMotivo: el disco está lleno"));
    EXPECT_TRUE(starter.starts.empty()) << "no editor on a file that was not written";

    // The program goes on: the next save works.
    choose(window->OpGuard, typeAndOk("casos.txt"));
    EXPECT_EQ(read(prbls + "/casos.txt"), kBlock);
}

TEST_F(CaseFiles, AnEditorThatCannotStartIsReported)
{
    starter.outcomes = {false};
    choose(window->OpGuard, typeAndOk("empty.txt"));
    EXPECT_TRUE(QFile::exists(prbls + "/empty.txt")) << "nothing on screen still makes the file";
    EXPECT_EQ(read(prbls + "/empty.txt"), "");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "No se ha podido abrir el editor con el archivo\r\n" + prbls + "/empty.txt");
}

TEST_F(CaseFiles, OpenStartsTheEditorOnAnExistingFile)
{
    QFile(prbls + "/old cases.txt").open(QIODevice::WriteOnly);
    choose(window->OpObr, [&](DFtxs& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Abrir");
        QTest::keyClicks(dialog.IdNom, "missing.txt");
        dialog.BtOk->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.IdNom->clear();
        QTest::keyClicks(dialog.IdNom, "old cases.txt");
        dialog.BtOk->click();
    });
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].commandLine, "Notepad " + prbls + "/old cases.txt");
    EXPECT_EQ(starter.starts[0].style, platform::WindowStyle::NormalFocus);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "File not found");

    choose(window->OpObr, [](DFtxs& dialog) { dialog.close(); });
    EXPECT_EQ(starter.starts.size(), 1u);
}
