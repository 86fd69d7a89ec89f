#include "platform/files.h"
#include "platform/textlines.h"

#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "testkit/writefile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using namespace tarvi::testkit;

static QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// What a file held stays byte for byte. A failed write takes back only what
// this append did: a file it made is removed, an older one cut back to what it
// held. A link that leads nowhere makes no file.
TEST(Append, KeepsWhatIsThereAndTakesBackOnlyItsOwnWork)
{
    TempWorkDir work;
    const QString cases = work.file("cases.txt");
    const QByteArray before("first\r\n\xff\x00 binary\r\n", 18);
    writeFile(cases, before);
    EXPECT_TRUE(appendToFile(cases, "V(5,3) = 60\r\n").ok());
    {
        FullDisk full(before.size() + 16);
        EXPECT_EQ(appendToFile(cases, "PR(6[2][3][1]) = 60\r\n").error, FsError::NoSpace);
        EXPECT_EQ(appendToFile(work.file("new.txt"), QByteArray(40, 'x')).error, FsError::NoSpace);
    }
    EXPECT_EQ(contentOf(cases), before + "V(5,3) = 60\r\n");
    EXPECT_FALSE(QFileInfo::exists(work.file("new.txt")));

    EXPECT_EQ(appendToFile(work.file("no/cases.txt"), "x").error, FsError::NotFound);
    QFile::link(work.file("made.txt"), work.file("dangling"));
    EXPECT_EQ(appendToFile(work.file("dangling"), "x").error, FsError::NotFound);
    EXPECT_EQ(kindOf(work.file("made.txt")), '-');
}

// A link to an ordinary file stays a link, and the file it leads to is
// rewritten with its permissions, whole or not at all; no temporary file is left.
TEST(ReplaceFile, RewritesWhatALinkLeadsToWholeOrNotAtAll)
{
    TempWorkDir work;
    const QFileDevice::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    writeFile(work.file("list"), "old");
    QFile::setPermissions(work.file("list"), permissions);
    ASSERT_TRUE(QFile::link("list", work.file("to-list")));
    {
        FullDisk full(4);
        EXPECT_EQ(replaceFile(work.file("to-list"), "longer").error, FsError::NoSpace);
    }
    EXPECT_EQ(contentOf(work.file("list")), "old");
    EXPECT_TRUE(replaceFile(work.file("to-list"), "new").ok());
    EXPECT_EQ(kindOf(work.file("to-list")), 'l');
    EXPECT_EQ(contentOf(work.file("list")), "new");
    const QFileDevice::Permissions user = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(work.file("list")) & ~user, permissions);
    EXPECT_TRUE(replaceFile(work.file("fresh"), "made").ok());
    EXPECT_EQ(contentOf(work.file("fresh")), "made");
    // No temporary file is left, hidden or not.
    EXPECT_EQ(
        QDir(work.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({"fresh", "list", "to-list"}));
}

// The file replaced is the one the system opens for the path, links followed
// one step at a time: "sub/../tools.txt" below a linked folder climbs out of
// the folder the link leads to, never back beside the link. What is written
// there is what reading the same path finds.
TEST(ReplaceFile, WritesTheFileTheSystemOpensForThePath)
{
    TempWorkDir work;
    ASSERT_TRUE(QDir(work.path()).mkpath("elsewhere/deep") && QDir(work.path()).mkdir("here"));
    writeFile(work.file("elsewhere/tools.txt"), "old");
    ASSERT_TRUE(QFile::link(work.file("elsewhere/deep"), work.file("here/sub")));
    const struct {
        const char* link;
        const char* target;
        const char* reached; // the file the system reaches, relative to the temporary folder
    } rows[] = {
        {"Tools.rel", "sub/../tools.txt", "elsewhere/tools.txt"},
        {"Fresh.rel", "sub/../fresh.txt", "elsewhere/fresh.txt"}, // a link to a file still to be made
        {"Chain.rel", "Fresh.rel", "elsewhere/fresh.txt"},        // a link to that link
        {"Deeper.rel", "sub/./../deep/../../here/x", "here/x"},
    };
    for (const auto& row : rows) {
        const QString link = work.file(QString("here/") + row.link);
        ASSERT_TRUE(QFile::link(row.target, link)) << row.link;
        const QByteArray bytes = QByteArray("list of ") + row.link;
        EXPECT_TRUE(replaceFile(link, bytes).ok()) << row.link;
        EXPECT_EQ(contentOf(work.file(row.reached)), bytes) << row.link;
        QByteArray read;
        EXPECT_TRUE(readOwnFile(link, read).ok() && read == bytes) << row.link;
        EXPECT_EQ(kindOf(link), 'l') << row.link;
    }
    EXPECT_FALSE(QFileInfo::exists(work.file("here/tools.txt")));
    EXPECT_FALSE(QFileInfo::exists(work.file("here/fresh.txt")));

    // The temporary file beside a name of the longest length still fits.
    const QString longest = work.file(QString(255, u'n'));
    writeFile(longest, "old");
    EXPECT_TRUE(replaceFile(longest, "new").ok());
    EXPECT_EQ(contentOf(longest), "new");

    ASSERT_TRUE(QFile::link("loop-b", work.file("loop-a")) && QFile::link("loop-a", work.file("loop-b")));
    EXPECT_FALSE(replaceFile(work.file("loop-a"), "x").ok());
    EXPECT_EQ(kindOf(work.file("loop-a")), 'l');
}

// The program's own text files: CR LF written, CR LF or a bare LF read, a last
// line without an end kept, up to 1 MiB. What cannot be one of them says why,
// with no lines.
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
    writeFile(work.file("largest"), QByteArray(kLargestOwnFile - 2, 'x') + "\r\n");
    EXPECT_TRUE(readTextLines(work.file("largest"), lines).ok());
    EXPECT_EQ(lines.size(), 1);

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
}

TEST(Reasons, SayWhyInEachLanguage)
{
    const struct {
        FsError error;
        Language language;
        const char* text;
    } rows[] = {{FsError::NotFound, Language::English, "the folder or the file does not exist"},
                {FsError::IsFolder, Language::Catalan, "és una carpeta"},
                {FsError::NotAFile, Language::Spanish, "no es un archivo ordinario"},
                {FsError::TooLarge, Language::English, "it is too large"}};
    for (const auto& row : rows)
        EXPECT_EQ(reasonText({row.error, {}}, row.language), QString::fromUtf8(row.text)) << row.text;
}
