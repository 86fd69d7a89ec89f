#include "calculator/core/multiplicities.h"

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

const platform::Separators kC{".", ","};

MultiplicityList listOf(std::initializer_list<const char*> texts)
{
    MultiplicityList list;
    for (const char* text : texts)
        list.enter(text);
    return list;
}

} // namespace

TEST(MultiplicityList, EnterAppendsOrReplacesThePickedEntryAndUnpicks)
{
    MultiplicityList list = listOf({"2", "3", "1"});
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"2", "3", "1"}));
    EXPECT_EQ(list.summary(kC), "2,3,1=6");
    EXPECT_EQ(list.IndexNi(), -1);

    list.pick(1);
    EXPECT_EQ(list.IndexNi(), 1);
    EXPECT_TRUE(list.enter("4"));
    EXPECT_EQ(list.summary(kC), "2,4,1=7");
    EXPECT_EQ(list.IndexNi(), -1);

    // An empty text changes nothing, not even the pick.
    list.pick(0);
    EXPECT_FALSE(list.enter(""));
    EXPECT_EQ(list.IndexNi(), 0);
    EXPECT_EQ(list.summary(kC), "2,4,1=7");
}

TEST(MultiplicityList, DeletionIsOfferedOnlyForAPickedEntryAndAlwaysUnpicks)
{
    MultiplicityList list = listOf({"2", "4", "1"});
    EXPECT_FALSE(list.deletionCandidate());

    list.pick(1);
    ASSERT_EQ(list.deletionCandidate(), "4");
    list.answerDeletion(false);
    EXPECT_EQ(list.summary(kC), "2,4,1=7");
    EXPECT_FALSE(list.deletionCandidate());

    list.pick(1);
    list.answerDeletion(true);
    EXPECT_EQ(list.summary(kC), "2,1=3");
    EXPECT_EQ(list.IndexNi(), -1);

    list.pick(0);
    list.answerDeletion(true);
    list.pick(0);
    list.answerDeletion(true);
    EXPECT_EQ(list.summary(kC), "=0");
}

TEST(MultiplicityList, APickThatNoLongerDesignatesAnEntryCountsAsNone)
{
    MultiplicityList list = listOf({"2", "3", "1"});
    list.pick(2);
    list.assign({"5", "5"});
    EXPECT_EQ(list.IndexNi(), -1);
    EXPECT_FALSE(list.deletionCandidate());
    list.enter("1"); // appended, not written past the end
    EXPECT_EQ(list.summary(kC), "5,5,1=11");

    list.pick(7);
    EXPECT_EQ(list.IndexNi(), -1);
    list.pick(-3);
    EXPECT_EQ(list.IndexNi(), -1);
}

TEST(MultiplicityList, SummaryShowsAQuestionMarkWhenTheSumIsNotAWholeSixteenBitNumber)
{
    EXPECT_EQ(listOf({"2", "x", "1"}).summary(kC), "2,x,1=?");
    EXPECT_EQ(listOf({" 2", "1e1"}).summary(kC), " 2,1e1=12"); // as the user wrote them
    EXPECT_EQ(listOf({"32767", "1"}).summary(kC), "32767,1=?");
    EXPECT_EQ(listOf({"32767", "1", "-1"}).summary(kC), "32767,1,-1=?");
    EXPECT_EQ(listOf({"32766", "1"}).summary(kC), "32766,1=32767");
    EXPECT_EQ(listOf({"-5", "2"}).summary(kC), "-5,2=-3");
    EXPECT_EQ(listOf({"99999"}).summary(kC), "99999=?");
    EXPECT_EQ(listOf({"1,5"}).summary({",", "."}), "1,5=2"); // the locale's decimal comma
}
