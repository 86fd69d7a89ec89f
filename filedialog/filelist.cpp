#include "filedialog/filelist.h"

#include "platform/files.h"

namespace tarvi {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setFolder(const QString& folder)
{
    folder_ = folder;
    reread();
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    reread();
}

void FileList::reread()
{
    clear();
    addItems(platform::listFiles(folder_, pattern_));
}

QString FileList::selectedName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

} // namespace tarvi
