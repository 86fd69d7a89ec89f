#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvi {

// The program's own small text files (Tools.rel, temp.bat, Lng.txt) are 8-bit
// text in the system code page with CR LF line ends.

// The lines of a file, without their line ends (CR LF, or a bare LF); a last
// line without a line end still counts. Nothing when the file cannot be read:
// also when it is not an ordinary file or is larger than its kind can be.
std::optional<QStringList> ReadTextLines(const QString& fileName);

// Writes the lines, each ended by CR LF, in place of the file's content, so
// that a failure midway leaves the old file as it was (see
// platform::replaceFile). Says why it failed.
platform::FsResult WriteTextLines(const QString& fileName, const QStringList& lines);

} // namespace tarvi
