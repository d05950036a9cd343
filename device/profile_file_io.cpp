#include "device/profile_file_io.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace cv {

namespace {

int CloseKeepingErrno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return saved;
}

int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A name of our own rather than mkstemp's, because O_CREAT with 0666 lets the
// umask decide a new file's permissions as it would for any other file.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 32; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++) + "-" + std::to_string(random() % 100000);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename is done; a failed folder sync cannot be undone
    ::close(fd);
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
    WholeFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        file.error = CloseKeepingErrno(fd);
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        file.error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return file;
    }
    file.mode = info.st_mode & 07777;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            file.error = CloseKeepingErrno(fd);
            file.text.clear();
            return file;
        }
        file.text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return file;
}

int ReplaceFileContents(const std::string& path, const std::string& text, const mode_t* keepMode) {
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) return errno;
        target = resolved;
    }
    // Replacing by rename needs only the folder's permission; a settings file
    // the user made read-only must stay as it is, as it would on Windows.
    if (keepMode != nullptr && ::access(target.c_str(), W_OK) != 0) return errno;

    std::string tempPath;
    const int fd = CreateTemporaryBeside(target, tempPath);
    if (fd < 0) return errno;
    int error = 0;
    if (keepMode != nullptr && ::fchmod(fd, *keepMode) != 0) error = errno;
    if (error == 0) error = WriteAll(fd, text);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return error;
    }
    SyncFolder(FolderOf(target));
    return 0;
}

}  // namespace cv
