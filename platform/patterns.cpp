#include "platform/patterns.h"

#include <vector>

namespace tarvi::platform {

namespace {

bool sameLetter(QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); }

// Classic wildcard matching with one backtracking point per "*": linear in
// practice, and never exponential on patterns such as "*a*a*a*b".
bool wildcardMatch(const QString& name, const QString& pattern)
{
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesPattern(const QString& name, const QString& pattern)
{
    if (wildcardMatch(name, pattern))
        return true;
    // "stem.*" stands for the stem with any extension or none at all.
    if (pattern.endsWith(QLatin1String(".*")) && !name.contains(u'.'))
        return wildcardMatch(name, pattern.chopped(2));
    return false;
}

bool hasWildcards(const QString& text) { return text.contains(u'*') || text.contains(u'?'); }

} // namespace tarvi::platform
