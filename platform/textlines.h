#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

namespace tarvi::platform {

// The program's own small text files (Tools.rel, temp.bat, Lng.txt) are 8-bit
// text in the system code page with CR LF line ends.

// Reads the lines of a file into `lines`, without their line ends (CR LF, or a
// bare LF); a last line without a line end still counts. Fails as readOwnFile
// does: also when the file is not an ordinary file or is larger than its kind
// can be; `lines` is then empty.
FsResult readTextLines(const QString& path, QStringList& lines);

// Writes the lines, each ended by CR LF, in place of the file's content, so
// that a failure midway leaves the old file as it was (see replaceFile).
FsResult writeTextLines(const QString& path, const QStringList& lines);

} // namespace tarvi::platform
