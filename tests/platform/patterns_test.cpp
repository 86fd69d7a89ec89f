#include "platform/patterns.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

using tarvi::platform::matchesPattern;

// The matcher against Qt's own wildcard engine, over many short names and
// patterns made of letters in both cases, dots and wildcards. The one rule Qt
// lacks: a pattern ending in ".*" also takes names without a dot.
TEST(Patterns, AgreeWithQtsWildcardsOverManyInputs)
{
    std::mt19937 random(20261206);
    auto draw = [&random](const QString& letters, int longest) {
        QString text;
        for (int n = int(random() % (longest + 1)); n > 0; --n)
            text += letters[int(random() % letters.size())];
        return text;
    };
    auto qt = [](const QString& name, const QString& pattern) {
        return QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch();
    };
    for (int i = 0; i < 20000; ++i) {
        const QString name = draw("aAbB.", 7), pattern = draw("aAbB.*?", 6);
        const bool dotless = pattern.endsWith(QLatin1String(".*")) && !name.contains(u'.');
        const bool expected = qt(name, pattern) || (dotless && qt(name, pattern.chopped(2)));
        ASSERT_EQ(matchesPattern(name, pattern), expected)
            << name.toStdString() << " ~ " << pattern.toStdString();
    }
    EXPECT_TRUE(matchesPattern("Makefile", "*.*"));
    EXPECT_TRUE(matchesPattern("Àrea.Txt", "*.TXT")) << "case is ignored beyond ASCII too";
    EXPECT_FALSE(matchesPattern("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*a*a*a*a*b"))
        << "and quickly";
}
