#pragma once

#include <QListWidget>
#include <QString>

namespace tarvi {

// The folder list: the folders above the open folder, the open folder, and
// the folders in it, indented by depth. Opening an entry is the owner's
// business (it double-clicks through setPath).
class FolderList final : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent);

    // The folder shown: a full path without a final "/" (except "/").
    QString path() const { return path_; }

    // Shows a folder (a relative path is taken from the working folder).
    // False, and nothing changes, when it cannot be read. Emits pathChanged
    // only when the folder shown changes.
    bool setPath(const QString& path);

    // Shows a folder as the starting state, without a change.
    void reset(const QString& path);

    // The folder under the selection bar: the open one unless the user
    // highlighted another entry.
    QString highlightedPath() const;

    // Reads the entries again (after a folder was made).
    void reread();

    // The full path of an entry.
    static QString entryPath(const QListWidgetItem* item);

Q_SIGNALS:
    void pathChanged(const QString& path);

private:
    void fill();

    QString path_;
};

} // namespace tarvi
