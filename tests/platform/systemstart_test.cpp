#include "platform/systemstart.h"

#include "platform/files.h"
#include "testkit/fakes.h"
#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "testkit/writefile.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using namespace tarvi::testkit;

// A program: the given script, or one that does nothing.
static QString makeProgram(const QString& path, const QByteArray& script = "#!/bin/sh\n")
{
    writeFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Real processes: what the started program receives is exactly what was meant,
// whatever characters a path holds, and no shell sees it.
TEST(SystemStarter, StartsRealProgramsWithUnchangedArguments)
{
    TempWorkDir dir;
    const QString args = dir.file("args");
    // The arguments the recorder was given, one per line, once it has run.
    const auto recorded = [&args] {
        for (int wait = 0; wait < 1000 && !QFile::exists(args); ++wait)
            QThread::msleep(10);
        QFile file(args);
        const QString lines =
            file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<nothing recorded>";
        file.remove();
        return lines.split(u'\n', Qt::SkipEmptyParts);
    };
    const QByteArray script =
        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
            .arg(args)
            .toUtf8();
    makeProgram(dir.file("recorder"), script);

    FakeMessages messages;
    SystemStarter starter(dir.folder(), messages, Openers{dir.file("recorder"), {}});
    const QString path = dir.file("my notes/case; $(touch pwned) \"q\" 'x'.txt");
    ASSERT_TRUE(starter.start("NotePad.exe " + path, WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(), QStringList({path}));
    EXPECT_FALSE(QFile::exists(dir.file("pwned")));
    // A program in the working folder, found before PATH, with its own words.
    ASSERT_TRUE(starter.start("recorder one \"two three\" $HOME", WindowStyle::NormalFocus));
    EXPECT_EQ(recorded(), QStringList({"one", "two three", "$HOME"}));

    EXPECT_FALSE(starter.start("no-such-program-anywhere", WindowStyle::NormalFocus));
    EXPECT_FALSE(SystemStarter(dir.folder(), messages, Openers{"no-such-opener-anywhere", {}})
                     .start("Notepad x.txt", WindowStyle::NormalFocus));
}

// What a Windows-style line starts: the command interpreter's and Notepad's
// documents go to the desktop's openers; a launch file runs its one line, read
// only from an ordinary file of a launch file's size; an unquoted line is
// searched as Windows searches it: runs of words from the left, shortest
// first, until one is an existing program, whose arguments the words after it are.
TEST(SystemStarter, PlansWhatALineStarts)
{
    TempWorkDir dir;
    QDir().mkpath(dir.file("pick dir/sub"));
    QDir().mkpath(dir.file("a b"));
    const QString opener = makeProgram(dir.file("opener")), gio = makeProgram(dir.file("gio"));
    const QString rec = makeProgram(dir.file("pick dir/rec.exe")), a = makeProgram(dir.file("a"));
    makeProgram(dir.file("a b/rec"));
    writeFile(dir.file("pick dir/run.bat"), (rec + " from bat\r\n").toUtf8());
    writeFile(dir.file("doc.bat"), "/docs/manual de uso.pdf\r\n");
    writeFile(dir.file("large.bat"), QByteArray(kLargestOwnFile, 'x') + "\r\n");
    ASSERT_TRUE(makeFifo(dir.file("pipe")));
    ASSERT_TRUE(QFile::link(dir.file("pipe"), dir.file("pipe.bat")));
    const struct {
        const char* name;
        QString line;
        std::optional<Launch> launch;
    } rows[] = {
        {"a document", "cmd.exe /c Tarvi.pdf", Launch{opener, {"Tarvi.pdf"}}},
        {"a quoted document", "cmd.exe /c \"manual de uso.pdf\"", Launch{opener, {"manual de uso.pdf"}}},
        {"a page", "command.com /c Veldra.htm", Launch{gio, {"open", "Veldra.htm"}}},
        {"Notepad's path whole", "Notepad a \"b\".txt", Launch{opener, {"a \"b\".txt"}}},
        {"a folder with a blank", rec + " one \"two three\"", Launch{rec, {"one", "two three"}}},
        {"from the working folder", "pick dir/rec.exe", Launch{rec, {}}},
        {"a quoted program", "\"" + rec + "\"  one", Launch{rec, {"one"}}},
        {"a folder is no program", dir.file("pick dir/sub x"), std::nullopt},
        {"a quote groups", dir.file("pick \"dir/rec.exe\""), std::nullopt},
        {"the shortest run first", dir.file("a b/rec one"), Launch{a, {"b/rec", "one"}}},
        {"a launch file's program", dir.file("pick dir/run.bat /q"), Launch{rec, {"from", "bat"}}},
        {"a launch file's document", "doc.bat", Launch{opener, {"/docs/manual de uso.pdf"}}},
        {"a launch file too large", "large.bat", std::nullopt},
        {"a launch file that is a pipe", "pipe.bat", std::nullopt},
        {"no launch file", "missing.bat", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(planStart(row.line, dir.path(), Openers{opener, gio}), row.launch) << row.name;
    EXPECT_FALSE(planStart("Notepad x.txt", dir.path(), Openers{"no-such-opener-anywhere", {}}));
}

// A document whose opener fails is named in a box, with the opener's first
// line of complaint as the reason when it is short; the fallback is tried
// first. The openers run while start() has long returned: here they wait
// for a mark that is made only after every start. What an opener starts may
// write to the same stream after the opener has ended.
TEST(SystemStarter, ADocumentThatCannotBeOpenedIsNamed)
{
    TempWorkDir dir;
    const QByteArray waitForGo = QStringLiteral("#!/bin/sh\n"
                                                "n=0; while [ ! -e '%1' ] && [ $n -lt 1000 ]; do "
                                                "sleep 0.01; n=$((n+1)); done\n")
                                     .arg(dir.file("go"))
                                     .toUtf8();
    makeProgram(dir.file("opener"),
                waitForGo +
                    // A viewer that outlives its opener and complains later lives on.
                    "case \"$1\" in *fine*) (sleep 0.2; echo late >&2; touch survived) & exit 0;;\n"
                    "*long*) printf '%0300d\\n' 0 >&2; exit 4;; esac\n"
                    "echo \"xdg-open: no method available for opening '$1'\" >&2\n"
                    "echo 'and more' >&2\nexit 4\n");
    makeProgram(dir.file("gio"), waitForGo + "case \"$2\" in *rescued*) exit 0;; esac\n"
                                             "echo \"gio: $2: No application is registered\" >&2\nexit 2\n");
    makeProgram(dir.file("crashing"), waitForGo + "kill -SEGV $$\n");
    FakeMessages messages;
    SystemStarter starter(dir.folder(), messages, Openers{dir.file("opener"), dir.file("gio")});
    SystemStarter alone(dir.folder(), messages, Openers{dir.file("opener"), {}});
    SystemStarter crashing(dir.folder(), messages, Openers{dir.file("crashing"), {}});
    const QString no = "No se ha podido abrir el documento\n";
    const struct {
        SystemStarter& starter;
        QString line;
        QString box; // empty for none
    } rows[] = {
        {starter, "cmd.exe /c fine.pdf", {}},
        {starter, "cmd.exe /c rescued.pdf", {}},
        {starter, "cmd.exe /c Tarvi.pdf",
         no + "Tarvi.pdf\nMotivo: xdg-open: no method available for opening 'Tarvi.pdf'"},
        {starter, "cmd.exe /c long.pdf",
         no + "long.pdf\nMotivo: gio: long.pdf: No application is registered"},
        {starter, "command.com /c Veldra.htm",
         no + "Veldra.htm\nMotivo: gio: Veldra.htm: No application is registered"},
        {alone, "NotePad.exe " + dir.file("Prbls/casos.txt"),
         no + dir.file("Prbls/casos.txt") + "\nMotivo: xdg-open: no method available for opening '" +
             dir.file("Prbls/casos.txt") + "'"},
        {alone, "Notepad rescued.txt",
         no + "rescued.txt\nMotivo: xdg-open: no method available for opening 'rescued.txt'"},
        {crashing, "Notepad x.txt", no + "x.txt"},
    };
    QStringList expected;
    for (const auto& row : rows) {
        ASSERT_TRUE(row.starter.start(row.line, WindowStyle::Hidden)) << row.line.toStdString();
        if (!row.box.isEmpty())
            expected << row.box;
    }
    EXPECT_TRUE(messages.boxes.empty()) << "no box before any opener has ended";
    writeFile(dir.file("go"), "");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return messages.boxes.size() >= std::size_t(expected.size()); }, 20000));
    QTest::qWait(300); // room for a box too many
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir.file("survived")); }, 10000));
    QStringList shown;
    for (const FakeMessages::Box& box : messages.boxes) {
        shown << box.text;
        EXPECT_EQ(box.title, "Tarvi");
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    }
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown, expected);
}
