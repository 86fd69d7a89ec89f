#include "platform/files.h"

#include "platform/patterns.h"
#include "platform/qttext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <tuple>
#include <variant>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

// Opening never waits (for the other end of a pipe, for a slow device), and
// nothing opened here becomes the program's controlling terminal.
constexpr int kNoWait = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// The system's full device: every write to it fails as on a full disk.
bool isFullDevice(const struct stat& info) { return S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 7); }

// Why something that is not an ordinary file is neither read nor written.
FsResult notAFile(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return {FsError::IsFolder, {}};
    if (isFullDevice(info))
        return {FsError::NoSpace, {}};
    return {FsError::NotAFile, {}};
}

// Why something that is not an ordinary file is not read. The full device is
// no full disk here: reading it gives zeros, not a file's content.
FsResult notAFileToRead(const struct stat& info)
{
    return {S_ISDIR(info.st_mode) ? FsError::IsFolder : FsError::NotAFile, {}};
}

bool nobodyMayWrite(const struct stat& info) { return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Something that exists and is no ordinary file is not even opened, since
// opening some devices acts on the machine; the check on the opened
// descriptor that follows still catches a swap in between.
std::optional<struct stat> notToOpen(const QByteArray& name)
{
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return info;
    return std::nullopt;
}

// Why a file could not be opened for writing, in the words the user needs.
FsResult openFailure(const QByteArray& name, int code)
{
    struct stat info {};
    const bool found = ::stat(name.constData(), &info) == 0;
    if (found && !S_ISREG(info.st_mode))
        return notAFile(info);
    if ((code == EACCES || code == EPERM) && found && nobodyMayWrite(info))
        return {FsError::ReadOnly, {}};
    // A pipe that nobody reads, or a device without its hardware.
    if (code == ENXIO || code == ENODEV)
        return {FsError::NotAFile, {}};
    return fromErrno(code);
}

// Writes every byte, going on after interruptions; the failure's errno, or 0.
int writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += step;
    }
    return 0;
}

// Closes a descriptor; the failure's errno, or 0.
int closeFile(int fd) { return ::close(fd) == 0 ? 0 : errno; }

// Removes a file this program made, but only while its name still leads to
// that very file.
void removeMade(const QByteArray& name, const struct stat& made)
{
    struct stat now {};
    if (::lstat(name.constData(), &now) == 0 && sameFile(now, made))
        ::unlink(name.constData());
}

// The file that the system opens for a path, with every link on the way
// followed as the system follows them, one step at a time ("sub/../x" below a
// linked folder "sub" climbs out of the folder the link leads to). The file
// itself need not exist, and the last part may be a link to a file that does
// not exist yet, which opening would make. The failure's errno otherwise
// (ELOOP for a loop of links).
std::variant<QByteArray, int> resolvedFile(QByteArray name)
{
    // As many links in a row as the system itself follows.
    constexpr int kMostLinks = 40;
    for (int links = 0; links <= kMostLinks; ++links) {
        if (char* real = ::realpath(name.constData(), nullptr)) {
            QByteArray resolved(real);
            std::free(real);
            return resolved;
        }
        if (errno != ENOENT)
            return errno;
        // Something on the way is missing: only the last part may be, or be a
        // link that leads to nothing yet.
        const qsizetype slash = name.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray(".") : name.first(std::max<qsizetype>(slash, 1));
        const QByteArray last = name.mid(slash + 1);
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(name.constData(), target.data(), target.size());
        if (length < 0 && errno != EINVAL && errno != ENOENT)
            return errno;
        if (length < 0) { // no link: a file still to be made, in a folder that must exist
            char* real = ::realpath(folder.constData(), nullptr);
            if (real == nullptr)
                return errno;
            QByteArray resolved(real);
            std::free(real);
            return (resolved.endsWith('/') ? resolved : resolved + '/') + last;
        }
        if (static_cast<std::size_t>(length) == target.size())
            return ENAMETOOLONG;
        const QByteArray next(target.data(), length);
        name = next.startsWith('/') ? next : folder + '/' + next;
    }
    return ELOOP;
}

// Makes a new file holding `bytes`; a file of that name made meanwhile by
// anyone else is left alone.
FsResult createWhole(const QByteArray& name, const QByteArray& bytes)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | kNoWait, 0666);
    if (fd < 0)
        return openFailure(name, errno);
    struct stat made {};
    int failure = ::fstat(fd, &made) == 0 ? writeAll(fd, bytes) : errno;
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (const int closed = closeFile(fd); failure == 0)
        failure = closed;
    if (failure != 0)
        removeMade(name, made);
    return fromErrno(failure);
}

} // namespace

QString reasonText(const FsResult& result, Language language)
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
    static constexpr Phrases notAFile = {"it is not an ordinary file", "no és un fitxer ordinari",
                                         "no es un archivo ordinario"};
    static constexpr Phrases tooLarge = {"it is too large", "és massa gran", "es demasiado grande"};
    static constexpr Phrases notAFolder = {"it is not a folder", "no és una carpeta", "no es una carpeta"};
    auto text = [language](const Phrases& phrases) { return toQt(phrases[column(language)]); };
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
    case FsError::NotAFile:
        return text(notAFile);
    case FsError::TooLarge:
        return text(tooLarge);
    case FsError::NotAFolder:
        return text(notAFolder);
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

FsResult makeWritableFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    // Each folder on the way down, made when it is missing; one that exists
    // is walked through, whoever may write it.
    QString walked;
    for (const QString& part : folder.split(u'/', Qt::SkipEmptyParts)) {
        walked += u'/' + part;
        if (::mkdir(systemName(walked).constData(), 0777) != 0 && errno != EEXIST)
            return errno == ENOTDIR ? FsResult{FsError::NotAFolder, {}} : fromErrno(errno);
    }
    const QByteArray name = systemName(folder);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return fromErrno(errno);
    if (!S_ISDIR(info.st_mode))
        return {FsError::NotAFolder, {}};
    if (nobodyMayWrite(info))
        return {FsError::ReadOnly, {}};
    if (::access(name.constData(), W_OK | X_OK) != 0)
        return fromErrno(errno);
    return {};
}

FsResult readOwnFile(const QString& path, QByteArray& bytes, qint64 maxBytes)
{
    bytes.clear();
    const QByteArray name = systemName(path);
    if (const std::optional<struct stat> other = notToOpen(name))
        return notAFileToRead(*other);
    const int fd = ::open(name.constData(), O_RDONLY | kNoWait);
    if (fd < 0)
        return errno == ENXIO || errno == ENODEV ? FsResult{FsError::NotAFile, {}} : fromErrno(errno);
    struct stat info {};
    FsResult result;
    if (::fstat(fd, &info) != 0)
        result = fromErrno(errno);
    else if (!S_ISREG(info.st_mode))
        result = notAFileToRead(info);
    else if (info.st_size > maxBytes)
        result = {FsError::TooLarge, {}};
    std::array<char, 16384> chunk{};
    while (result.ok()) {
        const ssize_t step = ::read(fd, chunk.data(), chunk.size());
        if (step == 0)
            break;
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            result = fromErrno(errno);
        else if (bytes.size() + step > maxBytes)
            result = {FsError::TooLarge, {}}; // grown past the limit while being read
        else
            bytes.append(chunk.data(), step);
    }
    ::close(fd);
    if (!result.ok())
        bytes.clear();
    return result;
}

FsResult appendToFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = systemName(path);
    constexpr int flags = O_WRONLY | O_APPEND | kNoWait;
    // Whether this call made the file decides what a failed write may remove.
    bool made = true;
    int fd = ::open(name.constData(), flags | O_CREAT | O_EXCL, 0666);
    if (fd < 0 && errno == EEXIST) {
        made = false;
        if (const std::optional<struct stat> other = notToOpen(name))
            return notAFile(*other);
        fd = ::open(name.constData(), flags);
    }
    if (fd < 0)
        return openFailure(name, errno);

    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        const int failure = errno;
        ::close(fd);
        return fromErrno(failure);
    }
    if (!S_ISREG(opened.st_mode) || (!made && nobodyMayWrite(opened))) {
        ::close(fd);
        return S_ISREG(opened.st_mode) ? FsResult{FsError::ReadOnly, {}} : notAFile(opened);
    }

    int failure = writeAll(fd, bytes);
    // Cut a half-written block away again; if even that fails, the failure to
    // report is still the write's.
    if (failure != 0 && !made)
        std::ignore = ::ftruncate(fd, opened.st_size);
    if (const int closed = closeFile(fd); failure == 0)
        failure = closed;
    if (failure != 0 && made)
        removeMade(name, opened);
    return fromErrno(failure);
}

FsResult replaceFile(const QString& path, const QByteArray& bytes)
{
    const std::variant<QByteArray, int> resolved = resolvedFile(systemName(path));
    if (const int* failure = std::get_if<int>(&resolved))
        return fromErrno(*failure);
    const QByteArray& name = std::get<QByteArray>(resolved);
    struct stat old {};
    if (::stat(name.constData(), &old) != 0)
        return errno == ENOENT ? createWhole(name, bytes) : fromErrno(errno);
    if (!S_ISREG(old.st_mode))
        return notAFile(old);
    if (nobodyMayWrite(old))
        return {FsError::ReadOnly, {}};
    if (::access(name.constData(), W_OK) != 0)
        return fromErrno(errno);

    // The new content goes to a file beside the old one, with its
    // permissions, and takes its name only once complete. Its name is short,
    // so that it can be made beside a name of any allowed length.
    QByteArray temporary = name.first(name.lastIndexOf('/') + 1) + ".tarvi-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fromErrno(errno);
    int failure = ::fchmod(fd, old.st_mode & 0777) == 0 ? writeAll(fd, bytes) : errno;
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (const int closed = closeFile(fd); failure == 0)
        failure = closed;
    FsResult result = fromErrno(failure);
    if (result.ok()) {
        // Only an ordinary file is replaced: whatever else has taken its name
        // since it was examined (a pipe, a device, a link) stays.
        struct stat now {};
        if (::lstat(name.constData(), &now) != 0)
            result = fromErrno(errno);
        else if (!S_ISREG(now.st_mode))
            result = notAFile(now);
        else if (::rename(temporary.constData(), name.constData()) != 0)
            result = fromErrno(errno);
    }
    if (!result.ok())
        ::unlink(temporary.constData());
    return result;
}

} // namespace tarvi::platform
