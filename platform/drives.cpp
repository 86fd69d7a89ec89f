#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace tarvi::platform {

QList<Drive> drives()
{
    QList<Drive> result;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Containers bind single files (such as /etc/hosts) as mounts too.
        if (!QFileInfo(root).isDir())
            continue;
        const bool listed =
            std::any_of(result.begin(), result.end(), [&root](const Drive& d) { return d.root == root; });
        if (!listed)
            result.push_back({root, root});
    }
    if (std::none_of(result.begin(), result.end(), [](const Drive& d) { return d.root == u"/"; }))
        result.push_back({QStringLiteral("/"), QStringLiteral("/")});
    std::sort(result.begin(), result.end(), [](const Drive& a, const Drive& b) {
        if ((a.root == u"/") != (b.root == u"/"))
            return a.root == u"/";
        return a.root < b.root;
    });
    return result;
}

QString driveOf(const QString& path)
{
    const QStorageInfo volume(path.isEmpty() ? QDir::currentPath() : path);
    return volume.isValid() ? volume.rootPath() : QStringLiteral("/");
}

} // namespace tarvi::platform
