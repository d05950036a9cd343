#include "core/platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/language/tr.h"

namespace cv {

std::intptr_t FileLock::OpenLockFile(const std::string& lockPath, std::string& systemText) {
    // Read access is enough for flock, so a lock file that another user made
    // under a narrower umask still serves everyone who may read it.
    // O_NONBLOCK: a FIFO in its place refuses at once instead of waiting.
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        systemText = std::strerror(errno);
        return kNone;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        systemText = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        systemText = Tr("SystemText", "Not a regular file");
    } else {
        return fd;
    }
    ::close(fd);
    return kNone;
}

FileLock::Attempt FileLock::TryLock(std::intptr_t handle, std::string& systemText) {
    if (::flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0) return Attempt::Locked;
    if (errno == EWOULDBLOCK || errno == EINTR) return Attempt::Busy;
    systemText = std::strerror(errno);
    return Attempt::Failed;
}

void FileLock::Close(std::intptr_t handle) { ::close(static_cast<int>(handle)); }

}  // namespace cv
