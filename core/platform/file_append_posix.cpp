#include "core/platform/file_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/language/tr.h"

namespace cv {

namespace {

FileAppendResult Failed(int err) { return {false, std::strerror(err), 0}; }

// True when the file is empty or its last byte is a line feed.
bool EndsALine(int fd, off_t size) {
    if (size == 0) return true;
    char last = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, &last, 1, size - 1);
        if (n < 0 && errno == EINTR) continue;
        return n == 1 && last == '\n';
    }
}

}  // namespace

FileAppendResult AppendToFile(const std::string& path, std::string_view bytes) {
    // O_NONBLOCK: a FIFO without a reader refuses at once instead of waiting for one.
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return Failed(errno);
    struct stat info {};
    int err = 0;
    if (::fstat(fd, &info) != 0) {
        err = errno;
    } else if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return {false, Tr("SystemText", "Not a regular file"), 0};
    }
    std::string text;
    if (err == 0) {
        text.assign(EndsALine(fd, info.st_size) ? 0 : 1, '\n');
        text.append(bytes);
    }
    // One write, so that another program appending at the same moment cannot
    // land in the middle; the loop only continues after a short write.
    std::string_view rest = text;
    while (err == 0 && !rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        else if (n == 0) err = ENOSPC;
        else rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    struct stat after {};
    if (err == 0 && ::fstat(fd, &after) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) return Failed(err);
    return {true, "", static_cast<std::uint64_t>(after.st_size)};
}

}  // namespace cv
