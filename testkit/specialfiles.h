#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <cstring>
#include <utility>

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
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
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
    const std::pair<mode_t, char> kinds[] = {{S_IFREG, 'f'}, {S_IFDIR, 'd'},  {S_IFLNK, 'l'},
                                             {S_IFIFO, 'p'}, {S_IFSOCK, 's'}, {S_IFCHR, 'c'}};
    for (const auto& [type, letter] : kinds)
        if ((info.st_mode & S_IFMT) == type)
            return letter;
    return '?';
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
