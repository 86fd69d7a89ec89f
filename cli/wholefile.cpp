#include "cli/wholefile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvi::cli {

namespace {

std::string systemWords(int code) { return std::strerror(code); }

std::string notAFile(const struct stat& info)
{
    return S_ISDIR(info.st_mode) ? systemWords(EISDIR) : std::string("not an ordinary file");
}

// Writes everything, going on after interruptions and partial writes; the
// failure's error number, or 0.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The permissions of a new file: those the user's umask leaves of rw-rw-rw-.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    // The file a link leads to is the one rewritten, so that the link stays.
    std::string target = path;
    mode_t mode = newFileMode();
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return notAFile(old);
        if (::access(path.c_str(), W_OK) != 0)
            return systemWords(errno);
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return systemWords(errno);
        target = resolved;
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return systemWords(errno);
    }

    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemWords(errno);
    int failure = ::fchmod(fd, mode) == 0 ? writeAll(fd, bytes) : errno;
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    std::optional<std::string> reason;
    if (failure != 0) {
        reason = systemWords(failure);
    } else {
        // Whatever has taken the name since it was examined, if not an
        // ordinary file, stays.
        struct stat now {};
        if (::lstat(target.c_str(), &now) == 0 && !S_ISREG(now.st_mode))
            reason = notAFile(now);
        else if (::rename(temporary.c_str(), target.c_str()) != 0)
            reason = systemWords(errno);
    }
    if (reason)
        ::unlink(temporary.c_str());
    return reason;
}

} // namespace tarvi::cli
