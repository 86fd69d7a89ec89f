#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvi::testkit {

// Files that are not ordinary files, made inside a test's own folder, so that
// nothing a test does can reach the system's devices.

inline bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0; }

// A Unix socket's node; it stays in the folder after its socket is closed.
inline bool makeSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// A device node of the test's own that behaves as the null device. Only root
// may make one; false otherwise.
inline bool makeNullDevice(const QString& path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// What a path is, without following a link: 'f' ordinary file, 'd' folder,
// 'l' link, 'p' pipe, 's' socket, 'c' character device, '-' nothing.
inline char kindOf(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return '-';
    if (S_ISREG(info.st_mode))
        return 'f';
    if (S_ISDIR(info.st_mode))
        return 'd';
    if (S_ISLNK(info.st_mode))
        return 'l';
    if (S_ISFIFO(info.st_mode))
        return 'p';
    if (S_ISSOCK(info.st_mode))
        return 's';
    return S_ISCHR(info.st_mode) ? 'c' : '?';
}

// Writes past `bytes` fail as on a full disk, also for root, while the object
// lives; the limit and the handling of the signal such a write raises are
// restored afterwards. Keep the scope narrow: the test's own output is
// limited too.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

} // namespace tarvi::testkit
