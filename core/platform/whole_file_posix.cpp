#include "core/platform/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdint>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

using Stage = FileReplaceResult::Stage;

FileReplaceResult Failed(Stage stage, int err) { return {stage, std::strerror(err)}; }

// What the replacement replaces, and where its temporary twin goes.
struct Target {
    std::string path;
    std::string folder;
    bool exists = false;
    struct stat status {};
};

// The file at the end of path's chain of symbolic links, or path itself when
// it is no link. The end may not exist yet (a dangling link): the save then
// creates it, and the link stays a link. 0 or an errno.
int FollowLinks(const std::string& path, std::string& end) {
    end = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(end.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return 0;
        char text[4096];
        const ssize_t length = ::readlink(end.c_str(), text, sizeof text);
        if (length < 0) return errno;
        if (length == 0) return ENOENT;
        if (static_cast<std::size_t>(length) == sizeof text) return ENAMETOOLONG;
        std::string next(text, static_cast<std::size_t>(length));
        const std::size_t slash = end.rfind('/');
        // A relative link is relative to the folder the link sits in.
        if (next.front() != '/' && slash != std::string::npos) next.insert(0, end, 0, slash + 1);
        end = std::move(next);
    }
    return ELOOP;
}

FileReplaceResult FindTarget(const std::string& path, Target& target) {
    if (path.empty()) return Failed(Stage::Target, ENOENT);
    if (path.back() == '/') return Failed(Stage::Target, EISDIR);
    if (const int err = FollowLinks(path, target.path)) return Failed(Stage::Target, err);
    if (::stat(target.path.c_str(), &target.status) == 0) {
        target.exists = true;
        if (S_ISDIR(target.status.st_mode)) return Failed(Stage::Target, EISDIR);
        if (!S_ISREG(target.status.st_mode)) return {Stage::Target, Tr("SystemText", "Not a regular file")};
        // Renaming over a read-only file would succeed; the user meant it to be kept.
        if (::access(target.path.c_str(), W_OK) != 0) return Failed(Stage::Target, errno);
    } else if (errno != ENOENT) {
        return Failed(Stage::Target, errno);
    }
    const std::size_t slash = target.path.rfind('/');
    target.folder = slash == std::string::npos ? "." : target.path.substr(0, slash == 0 ? 1 : slash);
    return {};
}

// Temporary files are named ".cvtimer-<pid>-<tag>.tmp", so that one left by a
// saving process that was killed can be told from one still being written.
constexpr std::string_view kTempPrefix = ".cvtimer-";
constexpr std::string_view kTempSuffix = ".tmp";

// Like mkstemp, but created with 0666 so the umask and any default ACL of the
// folder apply just as they would to a file created in place.
int CreateTemporaryFile(const std::string& folder, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const unsigned long tag = static_cast<unsigned long>(now.tv_nsec) ^ counter++;
        tempPath = folder + "/" + std::string(kTempPrefix) + std::to_string(::getpid()) + "-" + std::to_string(tag) +
                   std::string(kTempSuffix);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Removes the temporary files in folder whose saving process no longer runs
// (killed, or the machine went down mid-save). Best effort: a folder that
// cannot be read or a file that cannot be removed is left as it is.
void RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) continue;
        const std::string_view rest = name.substr(kTempPrefix.size());
        long pid = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        if (error != std::errc() || end == rest.data() || *end != '-' || pid <= 0) continue;
        if (pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        (void)::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
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
int FillTemporaryFile(int fd, const Target& target, std::string_view bytes) {
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
    // be synced is not reported as a failure.
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

namespace {

WholeFile Unread(int err) {
    WholeFile file;
    file.status = err == ENOENT ? WholeFile::Status::Missing : WholeFile::Status::Failed;
    file.systemText = std::strerror(err);
    return file;
}

// Reads from fd until end of file, a would-block, or `count` bytes; 0 or errno.
int ReadUpTo(int fd, std::size_t count, std::string& text) {
    char buffer[8192];
    while (text.size() < count) {
        const std::size_t wanted = std::min(sizeof buffer, count - text.size());
        const ssize_t n = ::read(fd, buffer, wanted);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {
            return 0;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// Reads at most `count` bytes of the regular file at path: its first ones,
// or with `last` its last ones. 0 or errno.
int ReadRegularFile(const std::string& path, std::size_t count, bool last, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat info {};
    int err = 0;
    if (::fstat(fd, &info) != 0) {
        err = errno;
    } else if (!S_ISREG(info.st_mode)) {
        err = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    } else if (last && static_cast<std::uint64_t>(info.st_size) > count &&
               ::lseek(fd, info.st_size - static_cast<off_t>(count), SEEK_SET) < 0) {
        err = errno;
    }
    if (err == 0) err = ReadUpTo(fd, count, text);
    ::close(fd);
    return err;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::size_t limit) {
    WholeFile file;
    // One byte past the limit tells a file that is too large from one that just fits.
    const std::size_t most = limit == SIZE_MAX ? limit : limit + 1;
    if (const int err = ReadRegularFile(path, most, false, file.text)) return Unread(err);
    if (file.text.size() > limit) {
        file.text.clear();
        file.status = WholeFile::Status::TooLarge;
        file.systemText = FillPlaceholders(Tr("SystemText", "larger than %1 bytes"), {std::to_string(limit)});
        return file;
    }
    file.status = WholeFile::Status::Read;
    return file;
}

WholeFile ReadFileStart(const std::string& path, std::size_t count) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Unread(errno);
    WholeFile file;
    const int err = ReadUpTo(fd, count, file.text);
    ::close(fd);
    if (err != 0) return Unread(err);
    file.status = WholeFile::Status::Read;
    return file;
}

WholeFile ReadFileEnd(const std::string& path, std::size_t count) {
    WholeFile file;
    if (const int err = ReadRegularFile(path, count, true, file.text)) return Unread(err);
    file.status = WholeFile::Status::Read;
    return file;
}

FileReplaceResult ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    Target target;
    if (FileReplaceResult result = FindTarget(path, target); !result.Ok()) return result;
    RemoveStaleTemporaryFiles(target.folder);
    std::string tempPath;
    const int fd = CreateTemporaryFile(target.folder, tempPath);
    if (fd < 0) return Failed(Stage::Create, errno);

    int err = FillTemporaryFile(fd, target, bytes);
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tempPath.c_str(), target.path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tempPath.c_str());
        return Failed(Stage::Write, err);
    }
    SyncFolder(target.folder);
    return {};
}

}  // namespace cv
