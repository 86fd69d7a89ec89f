#include "filedialog/paths.h"

#include <gtest/gtest.h>

using namespace tarvi;

TEST(Paths, FoldersKeepTheFinalSeparatorAndPatternsSplitAtEveryBar)
{
    for (const auto& [path, parent] : {std::pair<QString, QString>{"/a/b", "/a/"},
                                       {"/a", "/"},
                                       {"/", "/"},
                                       {"report.txt", ""},
                                       {"/a b/c d/e", "/a b/c d/"}})
        EXPECT_EQ(CarpPare(path), parent) << path.toStdString();
    EXPECT_EQ(splitPatterns("*.txt|*.*"), QStringList({"*.txt", "*.*"}));
    EXPECT_EQ(splitPatterns("*.a||*.b|"), QStringList({"*.a", "", "*.b", ""}));
    EXPECT_EQ(splitPatterns(" *.a | b"), QStringList({" *.a ", " b"})) << "entries stand as they are";
    EXPECT_EQ(recoveryExtension("*.tar.gz"), ".tar.gz");
}
