#include "platform/codepage.h"
#include "platform/patterns.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

using tarvi::platform::matchesPattern;

TEST(Patterns, AsOnWindows)
{
    EXPECT_TRUE(matchesPattern("report.txt", "*.txt"));
    EXPECT_TRUE(matchesPattern("REPORT.TXT", "*.txt"));
    EXPECT_TRUE(matchesPattern("Àrea.Txt", "*.TXT"));
    EXPECT_FALSE(matchesPattern("report.txt.bak", "*.txt"));
    EXPECT_FALSE(matchesPattern("reporttxt", "*.txt"));
    EXPECT_TRUE(matchesPattern("Makefile", "*.*"));
    EXPECT_TRUE(matchesPattern("a.b.c", "*.*"));
    EXPECT_TRUE(matchesPattern("", "*"));
    EXPECT_TRUE(matchesPattern("report", "report.*"));
    EXPECT_TRUE(matchesPattern("report.doc", "report.*"));
    EXPECT_FALSE(matchesPattern("reports", "report.*"));
    EXPECT_TRUE(matchesPattern("a1.exe", "a?.exe"));
    EXPECT_FALSE(matchesPattern("a.exe", "a?.exe"));
    EXPECT_FALSE(matchesPattern("tarvi.exe", ""));
    EXPECT_TRUE(matchesPattern("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*b"));
    EXPECT_FALSE(matchesPattern("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*a*a*a*a*b"));
}

// The matcher against Qt's own wildcard engine, over many short names and
// patterns made of letters in both cases, dots and wildcards.
TEST(Patterns, AgreeWithRegularExpressionsOverManyInputs)
{
    std::mt19937 random(20261206);
    const QString alphabet = QStringLiteral("aAbB.");
    const QString patternAlphabet = QStringLiteral("aAbB.*?");
    auto draw = [&random](const QString& letters, int longest) {
        QString text;
        const int length = std::uniform_int_distribution<int>(0, longest)(random);
        for (int i = 0; i < length; ++i)
            text += letters[std::uniform_int_distribution<int>(0, int(letters.size()) - 1)(random)];
        return text;
    };
    auto reference = [](const QString& name, const QString& pattern) {
        const auto expression = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
        return expression.match(name).hasMatch();
    };
    for (int i = 0; i < 20000; ++i) {
        const QString name = draw(alphabet, 7);
        const QString pattern = draw(patternAlphabet, 6);
        bool expected = reference(name, pattern);
        if (pattern.endsWith(QLatin1String(".*")) && !name.contains(u'.'))
            expected = expected || reference(name, pattern.chopped(2));
        ASSERT_EQ(matchesPattern(name, pattern), expected) << name.toStdString() << " ~ " << pattern.toStdString();
    }
}

TEST(CodePage, RoundTripsTheLocaleEncoding)
{
    const QString text = QStringLiteral("Año · Cancel·la · €");
    EXPECT_EQ(tarvi::platform::toCodePage(text), QByteArray("A\xc3\xb1o \xc2\xb7 Cancel\xc2\xb7la \xc2\xb7 \xe2\x82\xac"));
    EXPECT_EQ(tarvi::platform::fromCodePage(tarvi::platform::toCodePage(text)), text);
}
