#pragma once

#include <QListWidget>
#include <QString>

namespace tarvi {

// The file list: the visible ordinary files of a folder that match a pattern.
class FileList final : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent);

    void setFolder(const QString& folder);
    void setPattern(const QString& pattern);

    // Reads the entries again (after a file was erased).
    void reread();

    // The name of the selected file; empty when none is selected.
    QString selectedName() const;

private:
    QString folder_;
    QString pattern_;
};

} // namespace tarvi
