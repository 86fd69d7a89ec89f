#pragma once

#include <QString>

#include <string_view>

namespace tarvi {

// The cores speak UTF-8; the widgets speak QString.
inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarvi
