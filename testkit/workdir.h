#pragma once

#include "platform/workfolder.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace tarvi::testkit {

// A fresh temporary folder, the program's working folder and the process's
// current folder for the life of the object; the previous current folder is
// restored afterwards.
class TempWorkDir {
public:
    TempWorkDir() { QDir::setCurrent(dir_.path()); }
    ~TempWorkDir() { QDir::setCurrent(previous_); }
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    QString path() const { return dir_.path(); }
    // Path of a name inside the folder.
    QString file(const QString& name) const { return dir_.filePath(name); }
    // The folder as the program's working folder, without documents of its own.
    const platform::WorkFolder& folder() const { return folder_; }

private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
    platform::WorkFolder folder_{dir_.path()};
};

} // namespace tarvi::testkit
