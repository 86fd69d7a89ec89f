#pragma once

#include <QList>
#include <QString>

namespace tarvi::platform {

// A "drive" of the file dialog's drive list: on Linux, the mount point of a
// mounted file system. Its text is what the drive list shows.
struct Drive {
    QString root;
    QString text;
};

// The mounted file systems, "/" first, then by mount point.
QList<Drive> drives();

// The mount point that holds a path (of the working folder when empty).
QString driveOf(const QString& path);

} // namespace tarvi::platform
