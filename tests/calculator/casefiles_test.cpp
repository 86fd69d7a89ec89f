#include "filedialog/dftxs.h"
#include "filedialog/folderlist.h"
#include "testkit/writefile.h"
#include "tests/calculator/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace tarvi;

static QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The main window with PR solved, in a working folder holding Prbls, while
// the process's current folder is another one.
class CaseFiles : public testkit::MainWindowTest {
protected:
    const QString prbls = work.file("Prbls");
    QTemporaryDir elsewhere;

    CaseFiles()
    {
        QDir().mkdir(prbls);
        QDir::setCurrent(elsewhere.path());
        IdM(3)->setText("6");
        addMultiplicities({"2", "3", "1"});
        okD(3)->click();
    }

    // Chooses the entry and answers its file dialog, which starts in Prbls, as
    // a user who types the name and leaves.
    void choose(QAction* entry, const QString& name, bool ok = true)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->LDirs->path(), prbls);
            QTest::keyClicks(dialog->IdNom, name);
            (ok ? dialog->BtOk : dialog->BtFuig)->click();
            if (dialog->isVisible()) // the answer was refused: the checks that follow fail
                dialog->reject();
        });
        entry->trigger();
    }
};

// Save appends what the panels show and opens the file in the editor; Open
// opens any chosen file there. Cancel writes and starts nothing.
TEST_F(CaseFiles, SaveAppendsTheBlockAndOpenStartsTheEditor)
{
    choose(action("OpGuard"), "casos", false);
    EXPECT_TRUE(QDir(prbls).isEmpty());
    choose(action("OpGuard"), "casos");
    choose(action("OpGuard"), "casos.txt");
    const QString path = prbls + "/casos.txt";
    EXPECT_EQ(read(path), "PR(6[2][3][1]) = 60\r\n\r\nPR(6[2][3][1]) = 60\r\n\r\n");
    choose(action("OpObr"), "casos.txt");
    ASSERT_EQ(starter.starts.size(), 3u);
    EXPECT_EQ(starter.starts[1].commandLine + "|" + starter.starts[2].commandLine,
              "NotePad.exe " + path + "|Notepad " + path);
    EXPECT_EQ(starter.starts[2].style, platform::WindowStyle::NormalFocus);
}

TEST_F(CaseFiles, AFileThatCannotBeAppendedToIsNamedWithTheReason)
{
    const QString locked = prbls + "/locked.txt";
    testkit::writeFile(locked, "kept");
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    choose(action("OpGuard"), "locked.txt");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text,
              "Casos|No se ha podido añadir el caso al archivo\r\n" + locked +
                  "\r\nMotivo: es de solo lectura\r\nEl archivo queda como estaba.");
    EXPECT_EQ(read(locked), "kept");
    EXPECT_TRUE(starter.starts.empty()) << "no editor on a file that was not written";
}

// A save writes no answer that no longer matches what it answers: not the PR
// count once the list has changed, nor an expansion that an overflow cut off.
TEST_F(CaseFiles, NoStaleOrCutOffAnswerIsSaved)
{
    const auto expand = [&](const char* n) {
        idNb()->clear();
        QTest::keyClicks(idNb(), n);
        QTest::keyClick(idNb(), Qt::Key_Return);
    };
    expand("2");
    addMultiplicities({"4"});
    choose(action("OpGuard"), "casos.txt");
    expand("171");
    choose(action("OpGuard"), "casos.txt");
    EXPECT_EQ(read(prbls + "/casos.txt").toStdString(), "(a+b)^2 = a^2 +2a b+ b^2\r\n\r\n");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "n ha de ser un entero positivo");
    expand("3");
    choose(action("OpGuard"), "casos.txt");
    EXPECT_TRUE(read(prbls + "/casos.txt").endsWith("\r\n\r\n(a+b)^3 = a^3 +3a^2 b+3a b^2+ b^3\r\n\r\n"))
        << "a whole expansion after a failed one is saved again";
}
