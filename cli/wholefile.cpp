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

// The file that opening `path` for writing would reach: every link followed
// as the system follows it, the last one too when it leads to a file still to
// be made. The failure's error number otherwise.
int resolveTarget(std::string& path)
{
    constexpr int kMostLinks = 40; // as many links in a row as the system follows
    for (int links = 0; links <= kMostLinks; ++links) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
            return 0;
        }
        if (errno != ENOENT)
            return errno;
        const std::size_t slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? "."
                                   : slash == 0               ? "/"
                                                              : path.substr(0, slash);
        char link[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
        if (length < 0 && errno != EINVAL && errno != ENOENT)
            return errno;
        if (length < 0) { // no link: a file to be made in a folder that exists
            char* real = ::realpath(folder.c_str(), nullptr);
            if (real == nullptr)
                return errno;
            const std::string resolved = real;
            std::free(real);
            path = (resolved == "/" ? resolved : resolved + '/') + path.substr(slash + 1);
            return 0;
        }
        if (static_cast<std::size_t>(length) == sizeof link)
            return ENAMETOOLONG;
        const std::string next(link, static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : folder + '/' + next;
    }
    return ELOOP;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    // The file a link leads to is the one written, so that the link stays.
    std::string target = path;
    if (const int failure = resolveTarget(target))
        return systemWords(failure);
    mode_t mode = newFileMode();
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return notAFile(old);
        if (::access(target.c_str(), W_OK) != 0)
            return systemWords(errno);
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return systemWords(errno);
    }

    // A short name beside the file, so that a name of any allowed length can
    // take its place.
    std::string temporary = target.substr(0, target.rfind('/') + 1) + ".tarvi-XXXXXX";
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
