#include "platform/patterns.h"

#include <gtest/gtest.h>

using tarvi::platform::matchesPattern;

// The file dialog's patterns, as Windows reads them: "*" any run, "?" one
// character, case ignored, and a pattern ending in ".*" also takes a name
// without a dot. (A fuzz target checks them against a model over any input.)
TEST(Patterns, MatchWholeNamesAsWindowsDoes)
{
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } rows[] = {
        {"Makefile", "*.*", true},    {"Àrea.Txt", "*.TXT", true}, // case is ignored beyond ASCII too
        {"ab.txt", "?.txt", false},   {"a.txt", "?.txt", true},    {"report.txt.bak", "*.txt", false},
        {"README", "READ?E.*", true}, {"old.txt", "old", false},   {"notes.TXT", "*.t?t", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(matchesPattern(row.name, row.pattern), row.matches) << row.name << " ~ " << row.pattern;
    EXPECT_FALSE(matchesPattern("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*a*a*a*a*b"))
        << "and quickly";
}
