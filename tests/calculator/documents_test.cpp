#include "calculator/documents.h"

#include "testkit/fakes.h"

#include <gtest/gtest.h>

using namespace tarvi;

// Every combination of the two starts: the fallback runs only after the first
// start failed, both run hidden with the name unchanged and unquoted, and the
// caller learns whether either worked.
TEST(ObreDoc, FallsBackOnlyWhenTheInterpreterCannotStart)
{
    for (const std::deque<bool>& outcomes : {std::deque<bool>{true}, {false, true}, {false, false}}) {
        SCOPED_TRACE(outcomes.front()  ? "the interpreter starts"
                     : outcomes.back() ? "only the fallback starts"
                                       : "neither starts");
        testkit::FakeStarter starter;
        starter.outcomes = outcomes;
        EXPECT_EQ(ObreDoc(starter, "Mi manual.pdf"), outcomes.back());
        ASSERT_EQ(starter.starts.size(), outcomes.size());
        EXPECT_EQ(starter.starts[0].commandLine, "cmd.exe /c Mi manual.pdf");
        EXPECT_EQ(starter.starts.back().commandLine,
                  outcomes.size() > 1 ? "command.com /c Mi manual.pdf" : "cmd.exe /c Mi manual.pdf");
        for (const auto& start : starter.starts)
            EXPECT_EQ(start.style, platform::WindowStyle::Hidden);
    }
    EXPECT_TRUE(openDocFailureText("Veldra.htm").contains("Veldra.htm"));
}
