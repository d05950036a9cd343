#include "core/device/serial_link.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cv {

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC: wall-clock jumps must not stretch a wait

bool SpeedForBaud(int baud, speed_t& speed) {
    static constexpr std::pair<int, speed_t> kSpeeds[] = {
        {1200, B1200},   {1800, B1800},   {2400, B2400},     {4800, B4800},     {9600, B9600},
        {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    };
    for (const auto& [rate, value] : kSpeeds) {
        if (rate == baud) {
            speed = value;
            return true;
        }
    }
    return false;
}

// Raw 8-bit bytes both ways. Parity, stop bits and hardware flow control stay as the
// port had them: the unit's cable decides those, not this program.
termios RawSettings(const termios& found, speed_t speed) {
    termios raw = found;
    raw.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_oflag &= ~OPOST;
    raw.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_cflag &= ~CSIZE;
    raw.c_cflag |= CS8 | CLOCAL | CREAD;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    cfsetispeed(&raw, speed);
    cfsetospeed(&raw, speed);
    return raw;
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

bool IsVanishedErrno(int errnoValue) {
    return errnoValue == EIO || errnoValue == ENXIO || errnoValue == ENODEV;
}

}  // namespace

SerialLink::SerialLink() { SetPortResolver(nullptr); }

SerialLink::~SerialLink() { Close(); }

void SerialLink::SetPortResolver(PortResolver resolver) {
    if (resolver) {
        resolver_ = std::move(resolver);
    } else {
        resolver_ = [](int port) { return FindPortDevice(port, {}, "/"); };
    }
}

bool SerialLink::Open(std::uint16_t portNumber, int baud) {
    if (IsOpen()) return true;
    const PortLookup lookup = resolver_(portNumber);
    if (!lookup.found) {
        devicePath_.clear();
        lastError_ = {SerialErrorKind::NoDevice, "", lookup.reason, portNumber};
        return false;
    }
    if (OpenDevice(lookup.device, baud)) return true;
    lastError_.port = portNumber;
    return false;
}

bool SerialLink::OpenDevice(const std::string& path, int baud) {
    if (IsOpen()) return true;
    devicePath_ = path;
    lastError_ = {};

    speed_t speed = B0;
    if (!SpeedForBaud(baud, speed))
        return Fail(SerialErrorKind::BadSettings, "unsupported baud rate " + std::to_string(baud));

    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int e = errno;
        return Fail(SerialErrorKindFromOpenErrno(e), std::strerror(e));
    }

    // Each failure below releases what was taken so far, so a failed open leaves nothing held.
    const auto failOpen = [this](SerialErrorKind kind, const std::string& text) {
        Release();
        return Fail(kind, text);
    };
    if (!::isatty(fd_)) return failOpen(SerialErrorKind::NotSerial, "not a terminal");

    // flock keeps out other programs that play by the lock convention and other links in
    // this process; TIOCEXCL keeps out any further open() except root's.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        return failOpen(e == EWOULDBLOCK ? SerialErrorKind::Busy : SerialErrorKind::System, std::strerror(e));
    }
    locked_ = true;
    if (::ioctl(fd_, TIOCEXCL) != 0) {
        const int e = errno;
        return failOpen(e == EBUSY ? SerialErrorKind::Busy : SerialErrorKind::System, std::strerror(e));
    }
    exclusive_ = true;

    if (::tcgetattr(fd_, &savedTermios_) != 0) {
        const int e = errno;
        return failOpen(SerialErrorKind::System, std::strerror(e));
    }
    termiosSaved_ = true;

    // tcsetattr succeeds when any part of the change took, so read back what counts.
    const termios wanted = RawSettings(savedTermios_, speed);
    if (::tcsetattr(fd_, TCSANOW, &wanted) != 0) {
        const int e = errno;
        return failOpen(SerialErrorKind::BadSettings, std::strerror(e));
    }
    termios applied{};
    if (::tcgetattr(fd_, &applied) != 0 || cfgetospeed(&applied) != speed || (applied.c_cflag & CSIZE) != CS8 ||
        (applied.c_lflag & ICANON) != 0) {
        return failOpen(SerialErrorKind::BadSettings,
                        "the device did not take " + std::to_string(baud) + " baud, 8 data bits");
    }
    return true;
}

bool SerialLink::Close() {
    Release();
    return true;
}

void SerialLink::Release() {
    if (fd_ < 0) return;
    if (termiosSaved_) ::tcsetattr(fd_, TCSANOW, &savedTermios_);
    if (exclusive_) ::ioctl(fd_, TIOCNXCL);
    if (locked_) ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
    locked_ = exclusive_ = termiosSaved_ = false;
}

bool SerialLink::Fail(SerialErrorKind kind, const std::string& systemText) {
    lastError_ = {kind, devicePath_, systemText};
    if (kind == SerialErrorKind::Vanished) Release();
    return false;
}

bool SerialLink::FailFromErrno(int errnoValue) {
    return Fail(IsVanishedErrno(errnoValue) ? SerialErrorKind::Vanished : SerialErrorKind::System,
                std::strerror(errnoValue));
}

bool SerialLink::WaitFor(short events, Clock::time_point deadline) {
    for (;;) {
        const int left = MillisecondsUntil(deadline);
        if (left <= 0) return Fail(SerialErrorKind::TimedOut, "timed out");
        pollfd entry{fd_, events, 0};
        const int ready = ::poll(&entry, 1, left);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return FailFromErrno(errno);
        }
        if (ready == 0) continue;
        if (entry.revents & (POLLHUP | POLLERR)) return Fail(SerialErrorKind::Vanished, "hung up");
        if (entry.revents & POLLNVAL) return Fail(SerialErrorKind::System, "invalid descriptor");
        if (entry.revents & events) return true;
    }
}

bool SerialLink::QueryWaiting(int& waiting) {
    waiting = 0;
    if (::ioctl(fd_, FIONREAD, &waiting) == 0) return true;
    return FailFromErrno(errno);
}

int SerialLink::Write(const void* data, int count) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    if (data == nullptr || count <= 0) return 0;
    const auto deadline = Clock::now() + writeTimeout_;
    const char* bytes = static_cast<const char*>(data);
    int done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, bytes + done, static_cast<size_t>(count - done));
        if (n > 0) {
            done += static_cast<int>(n);
            if (done < count && Clock::now() < deadline) continue;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return FailFromErrno(errno);
        }
        if (done < count && !WaitFor(POLLOUT, deadline)) {
            // Whatever is still queued would arrive glued to the front of the next message.
            if (lastError_.kind == SerialErrorKind::TimedOut) ::tcflush(fd_, TCOFLUSH);
            return 0;
        }
    }
    return count;
}

int SerialLink::BytesWaiting() {
    int waiting = 0;
    return IsOpen() && QueryWaiting(waiting) ? waiting : 0;
}

int SerialLink::Read(void* buffer, int count) {
    int waiting = 0;
    if (!IsOpen() || buffer == nullptr || count <= 0 || !QueryWaiting(waiting) || waiting <= 0) return 0;
    const size_t wanted = static_cast<size_t>(std::min(count, waiting));
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, wanted);
        if (n > 0) return static_cast<int>(n);
        if (n == 0) return Fail(SerialErrorKind::Vanished, "end of file");
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return FailFromErrno(errno);
    }
}

bool SerialLink::WaitForInput(std::chrono::milliseconds timeout) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    const auto deadline = Clock::now() + timeout;
    int waiting = 0;
    if (!QueryWaiting(waiting)) return false;
    if (waiting > 0) return true;
    if (!WaitFor(POLLIN, deadline) || !QueryWaiting(waiting)) return false;
    // A terminal reports itself readable with nothing to read only once its far end is gone.
    return waiting > 0 || Fail(SerialErrorKind::Vanished, "end of file");
}

void SerialLink::DiscardInput() {
    if (IsOpen() && ::tcflush(fd_, TCIFLUSH) != 0) FailFromErrno(errno);
}

SerialLink& TheSerialLink() {
    static SerialLink link;
    return link;
}

}  // namespace cv
