#include "platform/systemstart.h"

#include "tests/support/workdir.h"
#include "tests/support/writefile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using tarvi::testkit::writeFile;

namespace {

// The arguments that the recorder script wrote, one per line, once it has run.
QStringList recorded(const QString& output)
{
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(output) && !deadline.hasExpired())
        QThread::msleep(10);
    QFile file(output);
    const QString lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<nothing recorded>";
    file.remove();
    return lines.split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

// Real processes: what the started program receives is exactly what was meant,
// whatever characters a path holds.
TEST(SystemStarter, StartsRealProgramsWithUnchangedArguments)
{
    tarvi::testkit::TempWorkDir dir;
    const QString args = dir.file("args");
    writeFile(dir.file("recorder"), QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.tmp'\n"
                                                   "mv '%1.tmp' '%1'\n").arg(args).toUtf8());
    QFile::setPermissions(dir.file("recorder"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    SystemStarter starter(Openers{dir.file("recorder"), {}});
    const QString path = dir.file("my notes/case; $(touch pwned) \"q\" 'x'.txt");
    ASSERT_TRUE(starter.start("NotePad.exe " + path, WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({path}));
    EXPECT_FALSE(QFile::exists(dir.file("pwned")));
    // A program in the working folder, found before PATH, with its own words.
    ASSERT_TRUE(starter.start("recorder one \"two three\" $HOME", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(args), QStringList({"one", "two three", "$HOME"}));
    writeFile(dir.file("temp.bat"), "recorder from-batch\r\n");
    ASSERT_TRUE(starter.start("temp.bat", WindowStyle::MinimizedFocus));
    EXPECT_EQ(recorded(args), QStringList({"from-batch"}));

    EXPECT_FALSE(starter.start("no-such-program-anywhere", WindowStyle::NormalFocus));
    EXPECT_FALSE(SystemStarter(Openers{"no-such-opener-anywhere", {}}).start("Notepad x.txt", WindowStyle::NormalFocus));
}
