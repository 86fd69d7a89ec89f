#include "calculator/core/multiplicities.h"

#include <gtest/gtest.h>

using namespace tarvi;

const Separators kC{".", ","};

static std::string summary(const std::vector<std::string>& entries, const Separators& separators = kC)
{
    MultiplicityList list;
    list.assign(entries);
    return list.summary(separators);
}

// Entering appends, or replaces the picked entry; an empty text changes nothing,
// not even the pick. Deletion is offered only for a picked entry. Both unpick.
TEST(MultiplicityList, AddReplaceDeleteAndSummary)
{
    MultiplicityList list;
    list.assign({"2", "3", "1"});
    list.pick(1);
    EXPECT_TRUE(list.enter("4"));
    EXPECT_EQ(list.summary(kC) + " " + std::to_string(list.IndexNi()), "2,4,1=7 -1");
    list.pick(0);
    EXPECT_FALSE(list.enter(""));
    EXPECT_EQ(list.IndexNi(), 0);

    list.pick(1);
    ASSERT_EQ(list.deletionCandidate(), "4");
    list.answerDeletion(false);
    EXPECT_FALSE(list.deletionCandidate());
    list.pick(1);
    list.answerDeletion(true);
    EXPECT_EQ(list.summary(kC) + " " + std::to_string(list.IndexNi()), "2,1=3 -1");

    // A pick that no longer designates an entry counts as none.
    list.pick(1);
    list.assign({"5"});
    EXPECT_FALSE(list.deletionCandidate());
    list.enter("1"); // appended, not written past the end
    EXPECT_EQ(list.summary(kC), "5,1=6");

    // A question mark when the sum is not a whole 16-bit number.
    EXPECT_EQ(summary({"2", "x", "1"}), "2,x,1=?");
    EXPECT_EQ(summary({"32767", "1"}) + " " + summary({"32767", "1", "-1"}), "32767,1=? 32767,1,-1=?");
    EXPECT_EQ(summary({"32766", "1"}), "32766,1=32767");
    EXPECT_EQ(summary({"1,5"}, {",", "."}), "1,5=2"); // the locale's decimal comma
}
