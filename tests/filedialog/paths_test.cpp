#include "filedialog/paths.h"

#include <gtest/gtest.h>

using namespace tarvi;

TEST(Paths, FoldersKeepTheFinalSeparatorAndPatternsSplitAtEveryBar)
{
    EXPECT_EQ(CarpPare("/a/b"), "/a/");
    EXPECT_EQ(CarpPare("/a"), "/");
    EXPECT_EQ(CarpPare("/"), "/");
    EXPECT_EQ(CarpPare(""), "");
    EXPECT_EQ(CarpPare("report.txt"), "");
    EXPECT_EQ(CarpPare("/a b/c d/e"), "/a b/c d/");

    EXPECT_EQ(splitPatterns("*.txt|*.*"), QStringList({"*.txt", "*.*"}));
    EXPECT_EQ(splitPatterns("*.a||*.b"), QStringList({"*.a", "", "*.b"}));
    EXPECT_EQ(splitPatterns("*.a|"), QStringList({"*.a", ""}));
    EXPECT_EQ(splitPatterns(""), QStringList({""}));
    EXPECT_EQ(splitPatterns(" *.a | b"), QStringList({" *.a ", " b"})) << "entries stand as they are";
    EXPECT_EQ(recoveryExtension("*.tar.gz"), ".tar.gz");
}
