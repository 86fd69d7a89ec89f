#include "calculator/core/externs.h"

#include "tests/support/fakes.h"

#include <gtest/gtest.h>

using namespace tarvi;
using platform::WindowStyle;

namespace {

struct Case {
    std::deque<bool> outcomes;
    bool opened;
    std::vector<QString> commandLines;
};

} // namespace

// Every combination of the two starts: the fallback runs only after the first
// start failed, both run hidden, and the caller learns whether either worked.
TEST(ObreDoc, FallsBackOnlyWhenTheInterpreterCannotStart)
{
    const std::vector<Case> cases = {
        {{true}, true, {"cmd.exe /c Tarvi.pdf"}},
        {{false, true}, true, {"cmd.exe /c Tarvi.pdf", "command.com /c Tarvi.pdf"}},
        {{false, false}, false, {"cmd.exe /c Tarvi.pdf", "command.com /c Tarvi.pdf"}},
    };
    for (const Case& c : cases) {
        testkit::FakeStarter starter;
        starter.outcomes = c.outcomes;
        EXPECT_EQ(ObreDoc(starter, "Tarvi.pdf"), c.opened);
        ASSERT_EQ(starter.starts.size(), c.commandLines.size());
        for (std::size_t i = 0; i < c.commandLines.size(); ++i) {
            EXPECT_EQ(starter.starts[i].commandLine, c.commandLines[i]);
            EXPECT_EQ(starter.starts[i].style, WindowStyle::Hidden);
        }
    }
}

// The name goes on the command line exactly as given, blanks included, unquoted.
TEST(ObreDoc, AppendsTheNameUnchanged)
{
    testkit::FakeStarter starter;
    starter.outcomes = {false, false};
    ObreDoc(starter, "Mi manual.pdf");
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "cmd.exe /c Mi manual.pdf");
    EXPECT_EQ(starter.starts[1].commandLine, "command.com /c Mi manual.pdf");
}

TEST(ObreDoc, FailureMessageNamesTheDocument)
{
    EXPECT_TRUE(ObreDocFailureText("Veldra.htm").contains("Veldra.htm"));
    EXPECT_FALSE(ObreDocFailureTitle().isEmpty());
}
