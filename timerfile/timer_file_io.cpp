#include "timerfile/timer_file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/whole_file.h"

namespace cv {

namespace {

// Ten full lines, and one byte more to see that a tenth line runs on.
constexpr std::size_t kMostBytesRead = kTimerCount * kTimerLineBufferSize + 1;

TimerFileError SystemError(TimerFileErrorKind kind, const std::string& path, int err) {
    return {kind, path, 0, std::strerror(err)};
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
    const FileReplaceResult result = ReplaceFileSafely(path, FormatTimerFile(records));
    switch (result.stage) {
        case FileReplaceResult::Stage::None: return {};
        case FileReplaceResult::Stage::Target:
        case FileReplaceResult::Stage::Create:
            return {TimerFileErrorKind::CannotCreate, path, 0, result.systemText};
        case FileReplaceResult::Stage::Write: break;
    }
    return {TimerFileErrorKind::WriteFailed, path, 0, result.systemText};
}

}  // namespace cv
