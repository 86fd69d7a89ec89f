#include "platform/files.h"
#include "platform/textlines.h"

#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "testkit/writefile.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using namespace tarvi::testkit;

static QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(Append, KeepsWhatIsThereByteForByteOrSaysWhyNot)
{
    TempWorkDir work;
    const QString cases = work.file("cases.txt");
    const QByteArray before("first\r\n\xff\x00 binary\r\n", 18);
    writeFile(cases, before);
    EXPECT_TRUE(appendToFile(cases, "V(5,3) = 60\r\n\r\n").ok());
    EXPECT_EQ(contentOf(cases), before + "V(5,3) = 60\r\n\r\n");

    EXPECT_EQ(reasonText(appendToFile(work.file("no/cases.txt"), "x"), Language::English),
              "the folder or the file does not exist");
    EXPECT_EQ(reasonText(appendToFile(work.path(), "x"), Language::Catalan), "és una carpeta");
    EXPECT_EQ(reasonText(appendToFile("/dev/full", "x"), Language::Spanish), "el disco está lleno");
}

// A pipe (read by nobody, or by somebody), a socket or a device, reached
// directly or through a link, is refused at once and gets nothing; the full
// device still reads as a full disk.
TEST(Append, RefusesWhatIsNotAnOrdinaryFileAtOnce)
{
    TempWorkDir work;
    const QString pipe = work.file("pipe");
    ASSERT_TRUE(makeFifo(pipe));
    ASSERT_TRUE(makeSocket(work.file("socket")));
    QFile::link(pipe, work.file("to-pipe"));
    QFile::link(work.file("socket"), work.file("to-socket"));
    QFile::link("/dev/null", work.file("to-null"));
    QFile::link("/dev/full", work.file("to-full"));
    for (const char* name : {"pipe", "to-pipe", "to-socket", "to-null"})
        EXPECT_EQ(appendToFile(work.file(name), "x").error, FsError::NotAFile) << name;

    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(appendToFile(work.file("to-pipe"), "x").error, FsError::NotAFile);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing reached the reader";
    ::close(reader);

    EXPECT_EQ(appendToFile(work.file("to-full"), "x").error, FsError::NoSpace);
    EXPECT_EQ(reasonText({FsError::NotAFile, {}}, Language::Spanish), "no es un archivo ordinario");
}

// A failed write takes back only what this append did: a file it made is
// removed, an older one cut back to what it held. A link that leads nowhere
// makes no file.
TEST(Append, AFailedWriteTakesBackOnlyItsOwnWork)
{
    TempWorkDir work;
    writeFile(work.file("old.txt"), "kept");
    struct sigaction before {};
    ::sigaction(SIGXFSZ, nullptr, &before);
    {
        FullDisk full(6);
        EXPECT_EQ(appendToFile(work.file("old.txt"), "abcdef").error, FsError::NoSpace);
        EXPECT_EQ(appendToFile(work.file("new.txt"), "abcdefgh").error, FsError::NoSpace);
    }
    struct sigaction after {};
    ::sigaction(SIGXFSZ, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler) << "the test put the signal's handling back";
    EXPECT_EQ(contentOf(work.file("old.txt")), "kept");
    EXPECT_FALSE(QFileInfo::exists(work.file("new.txt")));

    QFile::link(work.file("made.txt"), work.file("dangling"));
    EXPECT_EQ(appendToFile(work.file("dangling"), "x").error, FsError::NotFound);
    EXPECT_EQ(kindOf(work.file("made.txt")), '-');
    EXPECT_EQ(kindOf(work.file("dangling")), 'l');
}

// A link to an ordinary file stays a link, and the file it leads to is
// rewritten with its permissions. A pipe, a socket or a device, reached
// directly or through a link, is never replaced, and no temporary file is left.
TEST(ReplaceFile, ReplacesOnlyOrdinaryFiles)
{
    TempWorkDir work;
    const QFileDevice::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    writeFile(work.file("list"), "old");
    QFile::setPermissions(work.file("list"), permissions);
    ASSERT_TRUE(QFile::link("list", work.file("to-list")));
    EXPECT_TRUE(replaceFile(work.file("to-list"), "new").ok());
    EXPECT_EQ(kindOf(work.file("to-list")), 'l');
    EXPECT_EQ(contentOf(work.file("list")), "new");
    const QFileDevice::Permissions user = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(work.file("list")) & ~user, permissions);
    EXPECT_TRUE(replaceFile(work.file("fresh"), "made").ok());
    EXPECT_EQ(contentOf(work.file("fresh")), "made");

    ASSERT_TRUE(makeFifo(work.file("pipe")));
    ASSERT_TRUE(makeSocket(work.file("socket")));
    QStringList others = {"pipe", "socket"};
    if (makeNullDevice(work.file("device")))
        others << "device";
    for (const QString& name : others) {
        const char kind = kindOf(work.file(name));
        QFile::link(name, work.file("to-" + name));
        for (const QString& path : {name, "to-" + name}) {
            EXPECT_EQ(replaceFile(work.file(path), "x").error, FsError::NotAFile) << path.toStdString();
            EXPECT_EQ(kindOf(work.file(name)), kind) << path.toStdString();
            EXPECT_EQ(kindOf(work.file("to-" + name)), 'l');
        }
    }
    EXPECT_EQ(replaceFile(work.path(), "x").error, FsError::IsFolder);
    // No name here has a dot but a temporary file's.
    EXPECT_EQ(QDir(work.path()).entryList({"*.*"}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList());
}

// The program's own text files: CR LF written, CR LF or a bare LF read, a last
// line without an end kept. What cannot be one of them says why, with no lines.
TEST(TextLines, ReadAsWrittenOrSayWhyNot)
{
    TempWorkDir work;
    QStringList lines;
    ASSERT_TRUE(writeTextLines(work.file("list"), {"uno", "", "dós"}).ok());
    EXPECT_EQ(contentOf(work.file("list")), "uno\r\n\r\nd\xc3\xb3s\r\n");
    EXPECT_TRUE(readTextLines(work.file("list"), lines).ok());
    EXPECT_EQ(lines, QStringList({"uno", "", "dós"}));
    writeFile(work.file("mixed"), "a\nb\r\nc");
    EXPECT_TRUE(readTextLines(work.file("mixed"), lines).ok());
    EXPECT_EQ(lines, QStringList({"a", "b", "c"}));

    writeFile(work.file("large"), QByteArray(kLargestOwnFile + 1, 'x'));
    ASSERT_TRUE(makeFifo(work.file("pipe")));
    const struct {
        const char* name;
        FsError error;
    } refused[] = {{"missing", FsError::NotFound},
                   {"large", FsError::TooLarge},
                   {"pipe", FsError::NotAFile},
                   {".", FsError::IsFolder}};
    for (const auto& row : refused) {
        SCOPED_TRACE(row.name);
        lines = {"stale"};
        EXPECT_EQ(readTextLines(work.file(row.name), lines).error, row.error);
        EXPECT_TRUE(lines.isEmpty());
    }
    EXPECT_EQ(reasonText({FsError::TooLarge, {}}, Language::English), "it is too large");
}
