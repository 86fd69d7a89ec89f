#include "counting/multiplicities.h"

#include <gtest/gtest.h>

using namespace tarvi;

// The summary beside the PR list: the entries, "=" and their sum, or a
// question mark when an entry is not a whole number or the sum leaves 16 bits.
// (The list's edits are compared with a model by its fuzz target.)
TEST(MultiplicityList, Summary)
{
    const auto summary = [](const std::vector<std::string>& entries, const Separators& separators) {
        MultiplicityList list;
        list.assign(entries);
        return list.summary(separators);
    };
    const Separators c{".", ","};
    EXPECT_EQ(summary({"2", "x", "1"}, c), "2,x,1=?");
    EXPECT_EQ(summary({"32767", "1"}, c) + " " + summary({"32767", "1", "-1"}, c), "32767,1=? 32767,1,-1=?");
    EXPECT_EQ(summary({"32766", "1"}, c), "32766,1=32767");
    EXPECT_EQ(summary({"1,5"}, {",", "."}), "1,5=2"); // the locale's decimal comma
}
