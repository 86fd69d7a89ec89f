#pragma once

#include "platform/language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tarvi::platform {

// Why a file-system operation failed, in words that every window can show in
// its own language.
enum class FsError {
    None,
    Exists,
    NotFound,
    Denied,
    ReadOnly,
    InvalidName,
    NoSpace,
    IsFolder,
    NotAFile,
    TooLarge, // larger than a file of its kind can be
    NotAFolder,
    Other
};

struct FsResult {
    FsError error = FsError::None;
    QString systemText; // the system's own words, for FsError::Other

    bool ok() const { return error == FsError::None; }
};

// The reason of a failure as a short phrase in a language, e.g. "permiso
// denegado".
QString reasonText(const FsResult& result, Language language);

// Hidden files and folders are those whose names begin with ".".
bool isHiddenName(const QString& name);

// What the attributes of a file or folder say; a relative path is taken from
// the working folder. Nothing when nothing of that name exists.
struct FileAttributes {
    bool folder = false;
};
std::optional<FileAttributes> readAttributes(const QString& path);

// Whether the folder exists and its entries can be read.
bool canListFolder(const QString& folder);

// The visible subfolders of a folder, sorted regardless of case.
QStringList listFolders(const QString& folder);

// The visible ordinary files of a folder that match a pattern (an empty
// pattern matches every file), sorted regardless of case.
QStringList listFiles(const QString& folder, const QString& pattern);

// A search for ordinary visible files by a path whose last part may hold
// wildcards. Refused when the system cannot search such a path at all
// (wildcards in a folder part, a name too long, a folder that cannot be read).
enum class SearchOutcome { Found, NotFound, Refused };
SearchOutcome searchFiles(const QString& path);

// Makes one folder; its parent must exist.
FsResult makeFolder(const QString& path);

// Deletes an ordinary file.
FsResult deleteFile(const QString& path);

// Makes a folder, and any folders missing above it, unless it exists; then
// checks that files can be made in it. A folder that nobody may write is
// refused as read-only, as a file is.
FsResult makeWritableFolder(const QString& path);

// Every file below is opened without waiting, so that a pipe nobody writes to
// or reads from cannot hold the program, and only an ordinary file (links
// followed) is read, written or replaced: a pipe, a socket or a device is
// refused with FsError::NotAFile, a folder with FsError::IsFolder. The full
// device is refused as a full disk, which is what writing to it would say.

// The largest of the program's own small text files that it reads
// (Tools.rel, Lng.txt, temp.bat); anything larger is not one of them.
inline constexpr qint64 kLargestOwnFile = qint64(1) << 20;

// Reads the whole content of an ordinary file of at most `maxBytes` bytes
// into `bytes`. A file that is (or grows while being read) larger is refused
// with FsError::TooLarge; on any failure `bytes` is left empty.
FsResult readOwnFile(const QString& path, QByteArray& bytes, qint64 maxBytes = kLargestOwnFile);

// Appends bytes at the end of a file, creating it when it does not exist.
// A file that nobody may write is refused, as the read-only attribute does on
// Windows. What the file held before is never rewritten: a write that fails
// part-way cuts the file back to its former length, and a file made by this
// call, and only such a file, is removed again.
FsResult appendToFile(const QString& path, const QByteArray& bytes);

// Makes the file hold exactly `bytes`. An existing file is replaced only once
// its new content is complete on disk, so a failure midway leaves it as it
// was; a link keeps being a link, and the file it leads to is rewritten.
FsResult replaceFile(const QString& path, const QByteArray& bytes);

} // namespace tarvi::platform
