#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvi {

// The program's own small text files (Tools.rel, temp.bat, Lng.txt) are 8-bit
// text in the system code page with CR LF line ends.

// The lines of a file, without their line ends (CR LF, or a bare LF); a last
// line without a line end still counts. Nothing when the file cannot be read.
std::optional<QStringList> ReadTextLines(const QString& fileName);

// Writes the lines, each ended by CR LF, to a new file beside `fileName` and
// renames it over the old one, so that a failure midway leaves the old file as
// it was. On failure returns false and says why in `reason`.
bool WriteTextLines(const QString& fileName, const QStringList& lines, QString& reason);

} // namespace tarvi
