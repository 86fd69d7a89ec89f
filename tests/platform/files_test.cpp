#include "platform/drives.h"
#include "platform/files.h"

#include "tests/support/workdir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tarvi::platform;
using tarvi::testkit::TempWorkDir;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(Append, KeepsWhatIsThereByteForByte)
{
    TempWorkDir work;
    const QByteArray before("first\r\n\xff\x00 binary\r\n", 18);
    write(work.file("cases.txt"), before);
    EXPECT_TRUE(appendToFile(work.file("cases.txt"), "V(5,3) = 60\r\n\r\n").ok());
    EXPECT_EQ(read(work.file("cases.txt")), before + "V(5,3) = 60\r\n\r\n");

    EXPECT_TRUE(appendToFile(work.file("new file.txt"), "").ok()) << "an empty block still makes the file";
    EXPECT_TRUE(QFile::exists(work.file("new file.txt")));
}

TEST(Append, FailuresSayWhyAndChangeNothing)
{
    TempWorkDir work;
    write(work.file("locked.txt"), "kept\r\n");
    QFile::setPermissions(work.file("locked.txt"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(appendToFile(work.file("locked.txt"), "more").error, FsError::ReadOnly);
    EXPECT_EQ(read(work.file("locked.txt")), "kept\r\n");

    EXPECT_EQ(appendToFile(work.file("missing/cases.txt"), "x").error, FsError::NotFound);
    EXPECT_FALSE(QFileInfo::exists(work.file("missing")));
    EXPECT_EQ(appendToFile(work.path(), "x").error, FsError::IsFolder);
    EXPECT_EQ(appendToFile("/dev/full", "x").error, FsError::NoSpace);

    EXPECT_EQ(reasonText(appendToFile("/dev/full", "x"), 2), "el disco está lleno");
    EXPECT_EQ(reasonText({FsError::ReadOnly, {}}, 1), "és només de lectura");
    EXPECT_EQ(reasonText({FsError::Other, "Input/output error"}, 0), "Input/output error");
}

TEST(Files, ListsHideDotNamesAndFilterByPattern)
{
    TempWorkDir work;
    for (const char* name : {"b.TXT", "a.txt", "notes", ".hidden.txt", "c.doc"})
        write(work.file(name), "x");
    for (const char* name : {"Zeta", "alpha", ".git"})
        QDir(work.path()).mkdir(name);
    EXPECT_EQ(listFolders(work.path()), QStringList({"alpha", "Zeta"}));
    EXPECT_EQ(listFiles(work.path(), "*.txt"), QStringList({"a.txt", "b.TXT"}));
    EXPECT_EQ(listFiles(work.path(), "*.*"), QStringList({"a.txt", "b.TXT", "c.doc", "notes"}));
    EXPECT_EQ(listFiles(work.path(), ""), QStringList({"a.txt", "b.TXT", "c.doc", "notes"}));

    EXPECT_TRUE(readAttributes("alpha")->folder) << "relative names are taken from the working folder";
    EXPECT_FALSE(readAttributes("notes")->folder);
    EXPECT_FALSE(readAttributes("nothing"));
    EXPECT_FALSE(readAttributes(""));
}

TEST(Files, SearchFindsOrdinaryVisibleFilesOnly)
{
    TempWorkDir work;
    write(work.file("a.txt"), "x");
    write(work.file(".secret.txt"), "x");
    QDir(work.path()).mkdir("sub.txt");
    EXPECT_EQ(searchFiles(work.file("a.txt")), SearchOutcome::Found);
    EXPECT_EQ(searchFiles(work.file("A.TXT")), SearchOutcome::NotFound) << "names are exact, patterns are not";
    EXPECT_EQ(searchFiles(work.file("*.TXT")), SearchOutcome::Found);
    EXPECT_EQ(searchFiles(work.file("*.doc")), SearchOutcome::NotFound);
    EXPECT_EQ(searchFiles(work.file(".secret.txt")), SearchOutcome::NotFound);
    EXPECT_EQ(searchFiles(work.file("sub.txt")), SearchOutcome::NotFound);
    EXPECT_EQ(searchFiles(work.file("gone/a.txt")), SearchOutcome::NotFound);
    EXPECT_EQ(searchFiles(work.file("s*/a.txt")), SearchOutcome::Refused);
    EXPECT_EQ(searchFiles(work.file(QString(300, u'n'))), SearchOutcome::Refused);
    EXPECT_EQ(searchFiles(work.file("a.txt/b.txt")), SearchOutcome::Refused);
}

TEST(Files, MakeAndDeleteReportWhy)
{
    TempWorkDir work;
    EXPECT_TRUE(makeFolder(work.file("new")).ok());
    EXPECT_EQ(makeFolder(work.file("new")).error, FsError::Exists);
    EXPECT_EQ(makeFolder(work.file("no/such")).error, FsError::NotFound);
    write(work.file("gone.txt"), "x");
    EXPECT_TRUE(deleteFile(work.file("gone.txt")).ok());
    EXPECT_FALSE(QFile::exists(work.file("gone.txt")));
    EXPECT_EQ(deleteFile(work.file("gone.txt")).error, FsError::NotFound);
}

TEST(Drives, RootComesFirstAndEveryDriveIsAFolder)
{
    const QList<Drive> all = drives();
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(all.front().root, "/");
    for (const Drive& drive : all)
        EXPECT_TRUE(QFileInfo(drive.root).isDir()) << drive.root.toStdString();
    EXPECT_EQ(driveOf("/"), "/");
}
