#include "timerfile/timer_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace cv {

namespace {

// Ten full lines, and one byte more to see that a tenth line runs on.
constexpr std::size_t kMostBytesRead = kTimerCount * kTimerLineBufferSize + 1;

TimerFileError SystemError(TimerFileErrorKind kind, const std::string& path, int err) {
    return {kind, path, 0, std::strerror(err)};
}

// What the save replaces, and where its temporary twin goes.
struct SaveTarget {
    std::string path;
    std::string folder;
    bool exists = false;
    struct stat status {};
};

TimerFileError FindSaveTarget(const std::string& path, SaveTarget& target) {
    const auto cannotCreate = [&path](int err) {
        return SystemError(TimerFileErrorKind::CannotCreate, path, err);
    };
    if (path.empty()) return cannotCreate(ENOENT);
    if (path.back() == '/') return cannotCreate(EISDIR);
    target.path = path;
    struct stat linkStatus {};
    if (::lstat(path.c_str(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target.path = resolved;
            std::free(resolved);
        }
    }
    if (::stat(target.path.c_str(), &target.status) == 0) {
        target.exists = true;
        if (S_ISDIR(target.status.st_mode)) return cannotCreate(EISDIR);
        if (!S_ISREG(target.status.st_mode)) {
            return {TimerFileErrorKind::CannotCreate, path, 0, "Not a regular file"};
        }
        // Renaming over a read-only file would succeed; the user meant it to be kept.
        if (::access(target.path.c_str(), W_OK) != 0) return cannotCreate(errno);
    } else if (errno != ENOENT) {
        return cannotCreate(errno);
    }
    const std::size_t slash = target.path.rfind('/');
    target.folder = slash == std::string::npos ? "." : target.path.substr(0, slash == 0 ? 1 : slash);
    return {};
}

// Like mkstemp, but created with 0666 so the umask and any default ACL of the
// folder apply just as they would to the file created in place.
int CreateTemporaryFile(const std::string& folder, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const unsigned long tag = static_cast<unsigned long>(now.tv_nsec) ^
                                  (static_cast<unsigned long>(::getpid()) << 20) ^ counter++;
        tempPath = folder + "/.cvtimer-" + std::to_string(tag) + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Gives the new file what the old one had, then writes and syncs it.
// Returns 0 or the errno of the first failure.
int FillTemporaryFile(int fd, const SaveTarget& target, std::string_view bytes) {
    if (target.exists) {
        const struct stat& old = target.status;
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            (void)::fchown(fd, old.st_uid, old.st_gid);  // only root or a group member may
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) return errno;
    }
    if (const int err = WriteAll(fd, bytes)) return err;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The data itself is already synced and in place, so a folder that cannot
    // be synced is not reported as a failed save.
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

TimerFileContent ReadTimerFile(const std::string& path) {
    TimerFileContent content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        content.error = SystemError(TimerFileErrorKind::CannotOpen, path, errno);
        return content;
    }
    std::string bytes(kMostBytesRead, '\0');
    std::size_t filled = 0;
    int readError = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n > 0) {
            filled += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) readError = errno;
            break;
        }
    }
    ::close(fd);
    if (readError != 0) {
        content.error = SystemError(TimerFileErrorKind::CannotOpen, path, readError);
        return content;
    }
    bytes.resize(filled);
    content = ParseTimerFile(bytes);
    if (!content.ok) content.error.path = path;
    return content;
}

TimerFileError WriteTimerFile(const std::string& path, const TimerRecords& records) {
    SaveTarget target;
    if (TimerFileError error = FindSaveTarget(path, target); error.kind != TimerFileErrorKind::None) {
        return error;
    }
    std::string tempPath;
    const int fd = CreateTemporaryFile(target.folder, tempPath);
    if (fd < 0) return SystemError(TimerFileErrorKind::CannotCreate, path, errno);

    int err = FillTemporaryFile(fd, target, FormatTimerFile(records));
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tempPath.c_str(), target.path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tempPath.c_str());
        return SystemError(TimerFileErrorKind::WriteFailed, path, err);
    }
    SyncFolder(target.folder);
    return {};
}

}  // namespace cv
