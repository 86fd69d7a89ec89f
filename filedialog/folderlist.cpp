#include "filedialog/folderlist.h"

#include "filedialog/paths.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tarvi {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndent = 8; // logical pixels per level

// Shifts each entry right by its depth, so the list reads as a tree.
class IndentDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(index.data(kDepthRole).toInt() * kIndent, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

QString normalized(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FolderList::setPath(const QString& path)
{
    const QString target = normalized(path);
    if (target.isEmpty() || !QFileInfo(target).isDir() || !platform::canListFolder(target))
        return false;
    if (target == path_)
        return true;
    path_ = target;
    fill();
    Q_EMIT pathChanged(path_);
    return true;
}

void FolderList::reset(const QString& path)
{
    path_ = normalized(path);
    fill();
}

QString FolderList::highlightedPath() const
{
    const QListWidgetItem* item = currentItem();
    return item != nullptr ? entryPath(item) : path_;
}

void FolderList::reread() { fill(); }

QString FolderList::entryPath(const QListWidgetItem* item) { return item->data(kPathRole).toString(); }

void FolderList::fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon& icon, const QString& text, const QString& path, int depth) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(kPathRole, path);
        item->setData(kDepthRole, depth);
        return item;
    };

    // "/", then every folder on the way down to the open one.
    int depth = 0;
    QListWidgetItem* openItem = add(open, QStringLiteral("/"), QStringLiteral("/"), depth);
    QString walked = QStringLiteral("/");
    for (const QString& part : path_.split(u'/', Qt::SkipEmptyParts)) {
        walked = joinPath(walked, part);
        openItem = add(open, part, walked, ++depth);
    }
    for (const QString& name : platform::listFolders(path_))
        add(closed, name, joinPath(path_, name), depth + 1);
    setCurrentItem(openItem);
}

} // namespace tarvi
