#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tarvi::testkit {

// A fresh temporary folder made the working folder for the life of the object;
// the previous working folder is restored afterwards.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    QString path() const { return dir_.path(); }
    // Path of a name inside the folder.
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace tarvi::testkit
