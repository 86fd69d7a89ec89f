#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace tarvi::platform {

// The cores speak UTF-8; Qt speaks QString. Every UTF-8 text of the program
// becomes a QString here.
inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A QString's characters as the standard library sees them, for the plain-text
// helpers of engine/, and back.
inline std::u16string_view viewOf(const QString& text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

inline QString toQt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarvi::platform
