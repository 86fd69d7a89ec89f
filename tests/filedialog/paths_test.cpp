#include "filedialog/paths.h"

#include "tests/support/workdir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tarvi;

TEST(Paths, CarpPareKeepsTheFinalSeparator)
{
    EXPECT_EQ(CarpPare("/a/b"), "/a/");
    EXPECT_EQ(CarpPare("/a"), "/");
    EXPECT_EQ(CarpPare("/"), "/");
    EXPECT_EQ(CarpPare(""), "");
    EXPECT_EQ(CarpPare("report.txt"), "");
    EXPECT_EQ(CarpPare("/a b/c d/e"), "/a b/c d/");
}

TEST(Paths, JoinUsesOneSeparator)
{
    EXPECT_EQ(joinPath("/", "a.txt"), "/a.txt");
    EXPECT_EQ(joinPath("/data", "report.txt"), "/data/report.txt");
    EXPECT_EQ(joinPath("/data", "/dev/full"), "/dev/full");
}

TEST(Paths, PatternsSplitAtEveryBar)
{
    EXPECT_EQ(splitPatterns("*.txt|*.*"), QStringList({"*.txt", "*.*"}));
    EXPECT_EQ(splitPatterns("*.exe"), QStringList({"*.exe"}));
    EXPECT_EQ(splitPatterns("*.a||*.b"), QStringList({"*.a", "", "*.b"}));
    EXPECT_EQ(splitPatterns("*.a|"), QStringList({"*.a", ""}));
    EXPECT_EQ(splitPatterns(""), QStringList({""}));
    EXPECT_EQ(splitPatterns(" *.a | b"), QStringList({" *.a ", " b"})) << "entries stand as they are";
}

TEST(Paths, RecoveryExtensionComesFromTheType)
{
    EXPECT_EQ(recoveryExtension("*.txt"), ".txt");
    EXPECT_EQ(recoveryExtension("*.tar.gz"), ".tar.gz");
    EXPECT_EQ(recoveryExtension("*.*"), "");
    EXPECT_EQ(recoveryExtension(""), "");
    EXPECT_EQ(recoveryExtension("anything"), "");
}

// The rules the dialog tests do not reach through the window.
TEST(Paths, OkRulesLookUpBareNamesFromTheWorkingFolder)
{
    testkit::TempWorkDir work;
    QDir(work.path()).mkpath("Data/Sub");
    QFile(work.file("plain")).open(QIODevice::WriteOnly);
    const QString data = work.file("Data");

    const OkStep sub = okRule(0, data, "Sub", "*.txt");
    EXPECT_EQ(sub.kind, OkStep::Kind::Message) << "Sub lies in the folder shown, not in the working folder";
    EXPECT_EQ(sub.title, "Path not found");
    EXPECT_EQ(sub.prompt, "Sub");
    EXPECT_EQ(okRule(0, data, "Data", "*.txt").kind, OkStep::Kind::MoveTo);
    EXPECT_EQ(okRule(1, data, "plain", "*.txt").path, data + "/plain") << "an existing bare file is no folder";
    EXPECT_EQ(okRule(0, data, "S*/x.txt", "*.txt").title, "Path not found") << "wildcards in a folder";
}
