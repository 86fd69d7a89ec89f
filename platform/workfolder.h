#pragma once

#include "platform/files.h"
#include "platform/messages.h"

#include <QString>

namespace tarvi::platform {

// The folder the program works in. It is found once, when the program starts,
// and handed to everything that reads or writes the program's own files there
// (Tools.rel, Lng.txt, temp.bat, the case folder Prbls) and to the programs it
// starts "here". The process's current folder plays no part.
class WorkFolder {
public:
    // `programDocuments`: where the program's own copies of its manual and
    // contact page lie; empty when it has none.
    explicit WorkFolder(QString path, QString programDocuments = {});

    const QString& path() const { return path_; }

    // A name in the working folder.
    QString file(const QString& name) const;

    // Where a document of the program opens from: the user's own copy in the
    // working folder wins over the program's; when neither exists, the name
    // in the working folder, which opens nothing.
    QString document(const QString& name) const;

private:
    QString path_;
    QString programDocuments_;
};

// The folder of the case files, inside the working folder.
inline constexpr const char* kCaseFolder = "Prbls";

// Where the program started from the folder `programFolder` works:
// - the folder that the environment variable TARVI_HOME names, when it is set;
// - run from its build tree, which lays the documents beside the program:
//   the program's folder;
// - otherwise (installed): "Tarvi" in the user's documents folder.
// The program's documents are those of the installation's data folder, or
// those beside the program in the build tree.
WorkFolder findWorkFolder(const QString& programFolder);

// The working folder of the program started from `programFolder`, with the
// folder and its case folder made when they are missing. When either cannot
// be made or written, the user is told in a box, and the program goes on
// with it: the calculator needs no files, and each save that fails says so.
WorkFolder openWorkFolder(const QString& programFolder, MessageService& messages);

} // namespace tarvi::platform
