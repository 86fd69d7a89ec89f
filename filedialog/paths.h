#pragma once

#include "platform/filechooser.h"

#include <QString>
#include <QStringList>

namespace tarvi {

// The longest beginning of a path that ends in "/": "/a/b" gives "/a/", "/a"
// and "/" give "/", a name without "/" gives empty text.
QString CarpPare(const QString& path);

// The folder and a name with one "/" between them ("/" + "a.txt" is "/a.txt").
// A name that is itself a full path stands as it is.
QString joinPath(const QString& folder, const QString& name);

// The entries of the type box: the "|"-separated parts, empty ones included.
QStringList splitPatterns(const QString& patterns);

// What the Save-mode recovery appends to a bare name for a type text: from
// its first "." to its end (".txt" for "*.txt"); nothing for an empty type,
// "*.*" or a type without a dot.
QString recoveryExtension(const QString& typeText);

// What OK does with the name typed, as decided from the file system.
struct OkStep {
    enum class Kind {
        Stay,    // nothing happens
        MoveTo,  // the name is a folder: show it (on failure, take `recovery`)
        Accept,  // the dialog ends with `path`
        Message, // a box with `title` and `prompt`; the dialog stays open
    };
    Kind kind = Kind::Stay;
    QString path;
    QString title;
    QString prompt;
};

// The OK rules: `workingFolder` is the program's working folder, `folder` the
// folder shown, `name` the name box exactly as typed, `typeText` the text of
// the type box.
OkStep okRule(platform::FileMode mode, const QString& workingFolder, const QString& folder,
              const QString& name, const QString& typeText);

// What OK does with a bare name that is neither a file nor a folder that can
// be shown: Save mode accepts it in the folder shown with the type's
// extension, Open mode says "Path not found".
OkStep recovery(platform::FileMode mode, const QString& folder, const QString& name, const QString& typeText);

} // namespace tarvi
