// The file dialog's patterns: matchesPattern against a small dynamic
// programme over the name and the pattern.

#include "platform/patterns.h"
#include "tests/fuzz/property.h"

#include <vector>

using namespace tarvi::fuzz;
using tarvi::platform::hasWildcards;
using tarvi::platform::matchesPattern;

namespace {

// Whether the pattern matches the whole name, by the table of which pattern
// prefixes match which name prefixes: "*" takes any run, "?" any one
// character, and letters match in any case. Characters are the UTF-16 units
// that the system compares, as Windows compares them.
bool tableMatch(const QString& name, const QString& pattern)
{
    const auto n = static_cast<std::size_t>(name.size());
    std::vector<char> row(n + 1, 0); // row[i]: the pattern so far matches name[0, i)
    row[0] = 1;
    for (const QChar p : pattern) {
        std::vector<char> next(n + 1, 0);
        for (std::size_t i = 0; i <= n; ++i) {
            if (p == u'*')
                next[i] = row[i] || (i > 0 && next[i - 1]);
            else if (i > 0)
                next[i] = row[i - 1] && (p == u'?' || p.toCaseFolded() == name[i - 1].toCaseFolded());
        }
        row = std::move(next);
    }
    return row[n];
}

} // namespace

// The input is a name, a zero byte and a pattern; each is cut to a length
// that covers every case without the table growing large.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [nameText, patternText] = split(data, size, '\0');
    const QString name = QString::fromUtf8(nameText.substr(0, 200));
    const QString pattern = QString::fromUtf8(patternText.value_or("*.*").substr(0, 200));
    const auto explain = [&] { return escaped(name.toStdString()) + " ~ " + escaped(pattern.toStdString()); };

    // A pattern that ends in ".*" also takes the names without any dot.
    const bool expected =
        tableMatch(name, pattern) || (pattern.endsWith(QLatin1String(".*")) && !name.contains(u'.') &&
                                      tableMatch(name, pattern.chopped(2)));
    require(matchesPattern(name, pattern) == expected, "matches as the table does", explain);
    require(matchesPattern(name, QStringLiteral("*.*")), "\"*.*\" matches every name", explain);
    require(matchesPattern(name, QStringLiteral("*")), "\"*\" matches every name", explain);
    // A name without wildcards matches itself, with the case of its letters A to Z turned over too.
    QString swapped = name;
    for (QChar& c : swapped)
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            c = QChar(c.unicode() ^ 0x20);
    require(hasWildcards(name) || (matchesPattern(name, name) && matchesPattern(swapped, name)),
            "a name without wildcards matches itself in any case", explain);
    require(hasWildcards(pattern) == (pattern.contains(u'*') || pattern.contains(u'?')),
            "wildcards are * and ?", explain);
    return 0;
}
