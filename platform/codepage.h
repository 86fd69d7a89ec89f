#pragma once

#include <QByteArray>
#include <QString>

namespace tarvi::platform {

// The program's own text files (case files, the tool list, the launch file,
// the language file) are plain 8-bit text in the system code page, which on
// Linux is the locale's encoding. Text is converted exactly here, where it
// crosses the file boundary.
QByteArray toCodePage(const QString& text);
QString fromCodePage(const QByteArray& bytes);

} // namespace tarvi::platform
