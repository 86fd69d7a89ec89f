#include "platform/systemstart.h"

#include "tests/support/workdir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using tarvi::testkit::TempWorkDir;

namespace {

// A program that writes its arguments, one per line, into a file beside it.
void writeRecorder(const QString& path, const QString& output)
{
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.tmp'\n"
                                "mv '%1.tmp' '%1'\n").arg(output).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
}

// The arguments that the recorder wrote, once it has run.
QStringList recorded(const QString& output)
{
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(output) && !deadline.hasExpired())
        QThread::msleep(10);
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<nothing recorded>")};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(CommandLines, WordsAndQuotes)
{
    EXPECT_EQ(splitCommandLine("calc.EXE -x  \"a b\" c"), QStringList({"calc.EXE", "-x", "a b", "c"}));
    EXPECT_EQ(splitCommandLine("  "), QStringList());
    EXPECT_EQ(splitCommandLine("x \"\""), QStringList({"x", ""}));
}

TEST(CommandLines, WindowsProgramsMapToDesktopOpeners)
{
    const Openers openers;
    const QString path = "/tmp/my notes/case; $(rm -rf ~) \"x\".txt";
    EXPECT_EQ(planStart("NotePad.exe " + path, "/", openers), (Launch{"xdg-open", {path}}));
    EXPECT_EQ(planStart("Notepad " + path, "/", openers), (Launch{"xdg-open", {path}}));
    EXPECT_EQ(planStart("cmd.exe /c Tarvi.pdf", "/", openers), (Launch{"xdg-open", {"Tarvi.pdf"}}));
    EXPECT_EQ(planStart("command.com /c Veldra.htm", "/", openers), (Launch{"gio", {"open", "Veldra.htm"}}));
    EXPECT_FALSE(planStart("Notepad ", "/", openers));
    EXPECT_FALSE(planStart("", "/", openers));
    EXPECT_FALSE(planStart("no-such-program-anywhere x", "/", openers));
}

TEST(CommandLines, LaunchFilesRunTheirLine)
{
    TempWorkDir dir;
    writeFile(dir.file("temp.bat"), "/docs/manual de uso.pdf\r\n");
    EXPECT_EQ(planStart("temp.bat", dir.path(), Openers()), (Launch{"xdg-open", {"/docs/manual de uso.pdf"}}));
    writeFile(dir.file("temp.bat"), "sh -c true\r\n");
    const auto launch = planStart("temp.bat", dir.path(), Openers());
    ASSERT_TRUE(launch);
    EXPECT_TRUE(launch->program.endsWith("/sh"));
    EXPECT_EQ(launch->arguments, QStringList({"-c", "true"}));
    EXPECT_FALSE(planStart("missing.bat", dir.path(), Openers()));
}

// Real processes: what the started program receives is exactly what was meant,
// whatever characters a path holds.
TEST(SystemStarter, StartsRealProgramsWithUnchangedArguments)
{
    TempWorkDir dir;
    writeRecorder(dir.file("recorder"), dir.file("args"));

    SystemStarter starter(Openers{dir.file("recorder"), {}});
    const QString path = dir.file("my notes/case; $(touch pwned) \"q\" 'x'.txt");
    ASSERT_TRUE(starter.start("NotePad.exe " + path, WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(dir.file("args")), QStringList({path}));
    EXPECT_FALSE(QFile::exists(dir.file("pwned")));

    QFile::remove(dir.file("args"));
    // A program in the working folder, found before PATH, with its own words.
    ASSERT_TRUE(starter.start("recorder one \"two three\" $HOME", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(dir.file("args")), QStringList({"one", "two three", "$HOME"}));

    QFile::remove(dir.file("args"));
    writeFile(dir.file("temp.bat"), "recorder from-batch\r\n");
    ASSERT_TRUE(starter.start("temp.bat", WindowStyle::MinimizedFocus));
    EXPECT_EQ(recorded(dir.file("args")), QStringList({"from-batch"}));

    EXPECT_FALSE(starter.start("no-such-program-anywhere", WindowStyle::NormalFocus));
    EXPECT_FALSE(SystemStarter(Openers{"no-such-opener-anywhere", {}}).start("Notepad x.txt", WindowStyle::NormalFocus));
}
