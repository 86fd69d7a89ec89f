#include "platform/files.h"

#include "platform/patterns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <tuple>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvi::platform {

namespace {

FsResult fromErrno(int code)
{
    switch (code) {
    case 0:
        return {};
    case EEXIST:
    case ENOTEMPTY:
        return {FsError::Exists, {}};
    case ENOENT:
    case ENOTDIR:
        return {FsError::NotFound, {}};
    case EACCES:
    case EPERM:
        return {FsError::Denied, {}};
    case EROFS:
        return {FsError::ReadOnly, {}};
    case ENAMETOOLONG:
    case EINVAL:
        return {FsError::InvalidName, {}};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {FsError::NoSpace, {}};
    case EISDIR:
        return {FsError::IsFolder, {}};
    default:
        return {FsError::Other, qt_error_string(code)};
    }
}

QByteArray systemName(const QString& path) { return QFile::encodeName(path); }

// The longest name of one folder entry that Linux file systems accept.
constexpr qsizetype kLongestName = 255;

bool sortedCaseless(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

} // namespace

QString reasonText(const FsResult& result, std::int16_t language)
{
    using Phrases = std::array<const char*, 3>;
    static constexpr Phrases exists = {"it already exists", "ja existeix", "ya existe"};
    static constexpr Phrases notFound = {"the folder or the file does not exist",
                                         "la carpeta o el fitxer no existeix",
                                         "la carpeta o el archivo no existe"};
    static constexpr Phrases denied = {"permission denied", "permís denegat", "permiso denegado"};
    static constexpr Phrases readOnly = {"it is read-only", "és només de lectura", "es de solo lectura"};
    static constexpr Phrases invalid = {"the name is not valid", "el nom no és vàlid",
                                        "el nombre no es válido"};
    static constexpr Phrases noSpace = {"the disk is full", "el disc és ple", "el disco está lleno"};
    static constexpr Phrases isFolder = {"it is a folder", "és una carpeta", "es una carpeta"};
    const std::size_t column = language >= 0 && language <= 2 ? static_cast<std::size_t>(language) : 2;
    auto text = [column](const Phrases& phrases) { return QString::fromUtf8(phrases[column]); };
    switch (result.error) {
    case FsError::None:
        return {};
    case FsError::Exists:
        return text(exists);
    case FsError::NotFound:
        return text(notFound);
    case FsError::Denied:
        return text(denied);
    case FsError::ReadOnly:
        return text(readOnly);
    case FsError::InvalidName:
        return text(invalid);
    case FsError::NoSpace:
        return text(noSpace);
    case FsError::IsFolder:
        return text(isFolder);
    case FsError::Other:
        return result.systemText;
    }
    return result.systemText;
}

bool isHiddenName(const QString& name) { return name.startsWith(u'.'); }

std::optional<FileAttributes> readAttributes(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return FileAttributes{info.isDir()};
}

bool canListFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    DIR* dir = ::opendir(systemName(folder).constData());
    if (dir == nullptr)
        return false;
    ::closedir(dir);
    return true;
}

QStringList listFolders(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.removeIf(isHiddenName);
    std::sort(names.begin(), names.end(), sortedCaseless);
    return names;
}

QStringList listFiles(const QString& folder, const QString& pattern)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.removeIf([&pattern](const QString& name) {
        return isHiddenName(name) || (!pattern.isEmpty() && !matchesPattern(name, pattern));
    });
    std::sort(names.begin(), names.end(), sortedCaseless);
    return names;
}

SearchOutcome searchFiles(const QString& path)
{
    if (path.contains(QChar(u'\0')))
        return SearchOutcome::Refused;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder =
        slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : path.left(slash));
    const QString name = path.mid(slash + 1);
    if (hasWildcards(folder) || systemName(name).size() > kLongestName)
        return SearchOutcome::Refused;
    if (name.isEmpty() || isHiddenName(name))
        return SearchOutcome::NotFound;
    if (!QFileInfo::exists(folder))
        return SearchOutcome::NotFound;
    if (!canListFolder(folder))
        return SearchOutcome::Refused;
    if (!hasWildcards(name))
        return QFileInfo(path).isFile() ? SearchOutcome::Found : SearchOutcome::NotFound;
    return listFiles(folder, name).isEmpty() ? SearchOutcome::NotFound : SearchOutcome::Found;
}

FsResult makeFolder(const QString& path)
{
    if (::mkdir(systemName(path).constData(), 0777) != 0)
        return fromErrno(errno);
    return {};
}

FsResult deleteFile(const QString& path)
{
    if (::unlink(systemName(path).constData()) != 0)
        return fromErrno(errno);
    return {};
}

FsResult appendToFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = systemName(path);
    struct stat before {};
    const bool existed = ::stat(name.constData(), &before) == 0;
    if (existed && S_ISREG(before.st_mode) && (before.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return {FsError::ReadOnly, {}};
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return fromErrno(errno);

    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    const off_t formerLength = regular ? opened.st_size : 0;

    int failure = 0;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0) {
            if (errno == EINTR)
                continue;
            failure = errno;
            break;
        }
        written += step;
    }
    // Cut a half-written block away again; if even that fails, the failure to
    // report is still the write's.
    if (failure != 0 && regular)
        std::ignore = ::ftruncate(fd, formerLength);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure != 0 && !existed && regular)
        ::unlink(name.constData());
    return fromErrno(failure);
}

} // namespace tarvi::platform
