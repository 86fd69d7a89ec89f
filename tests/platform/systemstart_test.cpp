#include "platform/systemstart.h"

#include "platform/files.h"
#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "testkit/writefile.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace tarvi::platform;

// The arguments that the recorder script wrote, one per line, once it has run.
static QStringList recorded(const QString& output)
{
    for (int wait = 0; wait < 1000 && !QFile::exists(output); ++wait)
        QThread::msleep(10);
    QFile file(output);
    const QString lines =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<nothing recorded>";
    file.remove();
    return lines.split(u'\n', Qt::SkipEmptyParts);
}

// A program that does nothing, at a path in the test's folder.
static QString makeProgram(const QString& path)
{
    tarvi::testkit::writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Real processes: what the started program receives is exactly what was meant,
// whatever characters a path holds.
TEST(SystemStarter, StartsRealProgramsWithUnchangedArguments)
{
    tarvi::testkit::TempWorkDir dir;
    const QString args = dir.file("args");
    const QString script =
        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n");
    QDir().mkpath(dir.file("my tools"));
    for (const char* name : {"recorder", "my tools/recorder"}) {
        tarvi::testkit::writeFile(dir.file(name), script.arg(args).toUtf8());
        QFile::setPermissions(dir.file(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    SystemStarter starter(dir.folder(), Openers{dir.file("recorder"), {}});
    const QString path = dir.file("my notes/case; $(touch pwned) \"q\" 'x'.txt");
    ASSERT_TRUE(starter.start("NotePad.exe " + path, WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({path}));
    EXPECT_FALSE(QFile::exists(dir.file("pwned")));
    // A program in the working folder, found before PATH, with its own words.
    ASSERT_TRUE(starter.start("recorder one \"two three\" $HOME", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({"one", "two three", "$HOME"}));
    // A program in a folder whose name has a blank, unquoted.
    ASSERT_TRUE(starter.start(dir.file("my tools/recorder") + " four", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({"four"}));

    EXPECT_FALSE(starter.start("no-such-program-anywhere", WindowStyle::NormalFocus));
    EXPECT_FALSE(SystemStarter(dir.folder(), Openers{"no-such-opener-anywhere", {}})
                     .start("Notepad x.txt", WindowStyle::NormalFocus));
}

// The command interpreter's part: Windows names map to desktop openers, and a
// launch file runs its one line, which is read only when it is an ordinary
// file of the size a launch file has.
TEST(SystemStarter, PlansWindowsStyleLines)
{
    tarvi::testkit::TempWorkDir dir;
    const QString opener = makeProgram(dir.file("opener"));
    const QString gio = makeProgram(dir.file("gio"));
    const Openers openers{opener, gio};
    EXPECT_EQ(planStart("cmd.exe /c Tarvi.pdf", dir.path(), openers), (Launch{opener, {"Tarvi.pdf"}}));
    EXPECT_EQ(planStart("cmd.exe /c \"manual de uso.pdf\"", dir.path(), openers),
              (Launch{opener, {"manual de uso.pdf"}}));
    EXPECT_EQ(planStart("command.com /c Veldra.htm", dir.path(), openers),
              (Launch{gio, {"open", "Veldra.htm"}}));
    EXPECT_EQ(planStart("Notepad a \"b\".txt", dir.path(), openers), (Launch{opener, {"a \"b\".txt"}}));
    EXPECT_FALSE(planStart("Notepad x.txt", dir.path(), Openers{"no-such-opener-anywhere", {}}));
    tarvi::testkit::writeFile(dir.file("temp.bat"), "/docs/manual de uso.pdf\r\n");
    EXPECT_EQ(planStart("temp.bat", dir.path(), openers), (Launch{opener, {"/docs/manual de uso.pdf"}}));
    tarvi::testkit::writeFile(dir.file("temp.bat"), "sh -c true\r\n");
    EXPECT_EQ(planStart("temp.bat", dir.path(), openers)->arguments, QStringList({"-c", "true"}));
    EXPECT_FALSE(planStart("missing.bat", dir.path(), openers));

    tarvi::testkit::writeFile(dir.file("temp.bat"),
                              QByteArray(tarvi::platform::kLargestOwnFile, 'x') + "\r\n");
    EXPECT_FALSE(planStart("temp.bat", dir.path(), openers)) << "larger than any launch file";
    QFile::remove(dir.file("temp.bat"));
    ASSERT_TRUE(tarvi::testkit::makeFifo(dir.file("pipe")));
    QFile::link(dir.file("pipe"), dir.file("temp.bat"));
    EXPECT_FALSE(planStart("temp.bat", dir.path(), openers));
}

// An unquoted line is searched as Windows searches it: runs of words from the
// left, shortest first, until one is an existing program; the words after it
// are its arguments. A quoted first word names the program whole.
TEST(SystemStarter, FindsProgramsInFoldersWithBlanks)
{
    tarvi::testkit::TempWorkDir dir;
    QDir().mkpath(dir.file("pick dir/sub"));
    const QString rec = makeProgram(dir.file("pick dir/rec.exe"));
    const Openers openers;
    EXPECT_EQ(planStart(rec + " one \"two three\"", dir.path(), openers),
              (Launch{rec, {"one", "two three"}}));
    EXPECT_EQ(planStart("pick dir/rec.exe", dir.path(), openers), (Launch{rec, {}}))
        << "from the working folder";
    EXPECT_EQ(planStart("\"" + rec + "\"  one", dir.path(), openers), (Launch{rec, {"one"}}));
    EXPECT_FALSE(planStart(dir.file("pick dir/sub x"), dir.path(), openers)) << "a folder is no program";
    EXPECT_FALSE(planStart(dir.file("pick \"dir/rec.exe\""), dir.path(), openers)) << "a quote groups";

    // A launch file there runs its line, which is searched in the same way.
    tarvi::testkit::writeFile(dir.file("pick dir/run.bat"), (rec + " from bat\r\n").toUtf8());
    EXPECT_EQ(planStart(dir.file("pick dir/run.bat /q"), dir.path(), openers),
              (Launch{rec, {"from", "bat"}}));

    const QString pick = makeProgram(dir.file("pick"));
    EXPECT_EQ(planStart(rec + " one", dir.path(), openers), (Launch{pick, {"dir/rec.exe", "one"}}))
        << "the shortest run first";
}
