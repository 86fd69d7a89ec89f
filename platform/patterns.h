#pragma once

#include <QString>

namespace tarvi::platform {

// Whether a file name matches a file pattern the way Windows matches them:
// "*" stands for any run of characters, "?" for any one character, letters
// match regardless of case, and a pattern ending in ".*" also matches names
// without a dot ("*.*" matches every name, "report.*" matches "report").
bool matchesPattern(const QString& name, const QString& pattern);

// Whether a text holds a wildcard ("*" or "?").
bool hasWildcards(const QString& text);

} // namespace tarvi::platform
