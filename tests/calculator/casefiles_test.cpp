#include "filedialog/dftxs.h"
#include "tests/support/mainwindow.h"
#include "tests/support/workdir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

using namespace tarvi;
using platform::WindowStyle;

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A fresh working folder holding Prbls, made before the window records it.
struct InWorkDir {
    testkit::TempWorkDir work;
    QString prbls = work.file("Prbls");
    InWorkDir() { QDir(work.path()).mkdir("Prbls"); }
};

// The main window over that folder, with V and PR solved.
class CaseFiles : protected InWorkDir, public testkit::MainWindowTest {
protected:
    CaseFiles()
    {
        window->IdM[0]->setText("5");
        window->IdN[0]->setText("3");
        window->IdM[3]->setText("6");
        addMultiplicities({"2", "3", "1"});
        for (int kind : {0, 3})
            window->okD[kind]->click();
    }

    // Chooses the entry and answers its file dialog as a user who browses into
    // Prbls, which moves the working folder, types the name and leaves.
    void choose(QAction* entry, const QString& name, bool ok = true)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QDir::setCurrent(prbls);
            QTest::keyClicks(dialog->IdNom, name);
            (ok ? dialog->BtOk : dialog->BtFuig)->click();
            if (dialog->isVisible()) // an answer refused: the checks that follow fail
                dialog->reject();
        });
        entry->trigger();
    }
};

} // namespace

TEST_F(CaseFiles, SaveAppendsTheBlockAndOpensTheEditorWhileCancelDoesNothing)
{
    choose(window->OpGuard, "casos", false);
    EXPECT_TRUE(QDir(prbls).isEmpty());
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_EQ(QDir::currentPath(), work.path());

    choose(window->OpGuard, "casos");
    choose(window->OpGuard, "casos.txt");
    const QString path = prbls + "/casos.txt";
    EXPECT_EQ(read(path), QByteArray("V(5,3) = 60\r\n\r\nPR(6[2][3][1]) = 60\r\n\r\n").repeated(2));
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[1].commandLine, "NotePad.exe " + path);
    EXPECT_EQ(starter.starts[1].style, WindowStyle::NormalFocus);
    EXPECT_EQ(QDir::currentPath(), work.path());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(CaseFiles, FilesThatCannotBeAppendedToAreNamedWithTheReason)
{
    const QString locked = prbls + "/locked.txt";
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    choose(window->OpGuard, "locked.txt");
    choose(window->OpGuard, "/dev/full");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].title, "Casos");
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes[0].text, "No se ha podido añadir el caso al archivo\r\n" + locked +
                                          "\r\nMotivo: es de solo lectura\r\nEl archivo queda como estaba.");
    EXPECT_EQ(read(locked), "kept");
    EXPECT_TRUE(messages.boxes[1].text.contains("/dev/full\r\nMotivo: el disco está lleno"));
    EXPECT_TRUE(starter.starts.empty()) << "no editor on a file that was not written";
}

TEST_F(CaseFiles, OpenStartsTheEditorOnTheChosenFileAndReportsAFailedStart)
{
    const QString path = prbls + "/old cases.txt";
    QFile(path).open(QIODevice::WriteOnly);
    choose(window->OpObr, "old cases.txt", false);
    starter.outcomes = {false};
    choose(window->OpObr, "old cases.txt");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].commandLine, "Notepad " + path);
    EXPECT_EQ(starter.starts[0].style, WindowStyle::NormalFocus);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "No se ha podido abrir el editor con el archivo\r\n" + path);
}
