#include "platform/systemstart.h"

#include "tests/support/workdir.h"
#include "tests/support/writefile.h"

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

// Real processes: what the started program receives is exactly what was meant,
// whatever characters a path holds.
TEST(SystemStarter, StartsRealProgramsWithUnchangedArguments)
{
    tarvi::testkit::TempWorkDir dir;
    const QString args = dir.file("args");
    const QString script =
        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n");
    tarvi::testkit::writeFile(dir.file("recorder"), script.arg(args).toUtf8());
    QFile::setPermissions(dir.file("recorder"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    SystemStarter starter(Openers{dir.file("recorder"), {}});
    const QString path = dir.file("my notes/case; $(touch pwned) \"q\" 'x'.txt");
    ASSERT_TRUE(starter.start("NotePad.exe " + path, WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({path}));
    EXPECT_FALSE(QFile::exists(dir.file("pwned")));
    // A program in the working folder, found before PATH, with its own words.
    ASSERT_TRUE(starter.start("recorder one \"two three\" $HOME", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({"one", "two three", "$HOME"}));

    EXPECT_FALSE(starter.start("no-such-program-anywhere", WindowStyle::NormalFocus));
    EXPECT_FALSE(SystemStarter(Openers{"no-such-opener-anywhere", {}})
                     .start("Notepad x.txt", WindowStyle::NormalFocus));
}

// The command interpreter's part: Windows names map to desktop openers, and a
// launch file runs its one line.
TEST(SystemStarter, PlansWindowsStyleLines)
{
    tarvi::testkit::TempWorkDir dir;
    const Openers openers;
    EXPECT_EQ(planStart("cmd.exe /c Tarvi.pdf", dir.path(), openers), (Launch{"xdg-open", {"Tarvi.pdf"}}));
    EXPECT_EQ(planStart("command.com /c Veldra.htm", dir.path(), openers),
              (Launch{"gio", {"open", "Veldra.htm"}}));
    tarvi::testkit::writeFile(dir.file("temp.bat"), "/docs/manual de uso.pdf\r\n");
    EXPECT_EQ(planStart("temp.bat", dir.path(), openers), (Launch{"xdg-open", {"/docs/manual de uso.pdf"}}));
    tarvi::testkit::writeFile(dir.file("temp.bat"), "sh -c true\r\n");
    EXPECT_EQ(planStart("temp.bat", dir.path(), openers)->arguments, QStringList({"-c", "true"}));
    EXPECT_FALSE(planStart("missing.bat", dir.path(), openers));
}
