// SerialLink over termios.

#include "core/device/serial_link.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace cv {

struct SerialLink::Port {
    int fd = -1;
    bool locked = false;
    bool exclusive = false;
    bool termiosSaved = false;
    termios savedTermios{};
};

void SerialLink::PortDeleter::operator()(Port* port) const { delete port; }

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC: wall-clock jumps must not stretch a wait

// What went wrong in a system call, in the link's terms.
struct Problem {
    SerialErrorKind kind;
    std::string text;
};

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

// The control bits that decide how bytes go on the line; a port keeps whatever
// the last program set, so every one of them is set here.
constexpr tcflag_t kFramingBits = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;
constexpr tcflag_t kSoftwareFlowBits = IXON | IXOFF | IXANY;

// Raw 8-bit bytes both ways, framed and paced as `line` says.
termios RawSettings(const termios& found, speed_t speed, const LineSettings& line) {
    termios raw = found;
    raw.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK | kSoftwareFlowBits);
    raw.c_oflag &= ~OPOST;
    raw.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_cflag &= ~kFramingBits;
    raw.c_cflag |= CS8 | CLOCAL | CREAD;
    switch (line.parity) {
        case Parity::None: break;
        case Parity::Odd: raw.c_cflag |= PARENB | PARODD; break;
        case Parity::Even: raw.c_cflag |= PARENB; break;
        case Parity::Mark: raw.c_cflag |= PARENB | PARODD | CMSPAR; break;
        case Parity::Space: raw.c_cflag |= PARENB | CMSPAR; break;
    }
    if (line.parity != Parity::None) raw.c_iflag |= INPCK;
    if (line.stopBits == StopBits::Two) raw.c_cflag |= CSTOPB;
    if (line.flowControl == FlowControl::RtsCts) raw.c_cflag |= CRTSCTS;
    if (line.flowControl == FlowControl::XonXoff) raw.c_iflag |= IXON | IXOFF;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    cfsetispeed(&raw, speed);
    cfsetospeed(&raw, speed);
    return raw;
}

// tcsetattr succeeds when any part of a change took, so what counts is read back.
bool TookSettings(const termios& applied, const termios& wanted) {
    return cfgetospeed(&applied) == cfgetospeed(&wanted) && (applied.c_lflag & ICANON) == 0 &&
           (applied.c_cflag & kFramingBits) == (wanted.c_cflag & kFramingBits) &&
           (applied.c_iflag & kSoftwareFlowBits) == (wanted.c_iflag & kSoftwareFlowBits);
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

SerialErrorKind KindFromOpenErrno(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return SerialErrorKind::NoDevice;
        case EACCES:
        case EPERM:
            return SerialErrorKind::PermissionDenied;
        case EBUSY:
            return SerialErrorKind::Busy;
        default:
            return SerialErrorKind::System;
    }
}

Problem FromErrno(int errnoValue) {
    const bool vanished = errnoValue == EIO || errnoValue == ENXIO || errnoValue == ENODEV;
    return {vanished ? SerialErrorKind::Vanished : SerialErrorKind::System, std::strerror(errnoValue)};
}

// Nothing once fd is ready for `events`.
std::optional<Problem> WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const int left = MillisecondsUntil(deadline);
        if (left <= 0) return Problem{SerialErrorKind::TimedOut, "timed out"};
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, left);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return FromErrno(errno);
        }
        if (ready == 0) continue;
        if (entry.revents & (POLLHUP | POLLERR)) return Problem{SerialErrorKind::Vanished, "hung up"};
        if (entry.revents & POLLNVAL) return Problem{SerialErrorKind::System, Tr("SerialLink", "invalid descriptor")};
        if (entry.revents & events) return std::nullopt;
    }
}

std::optional<Problem> QueryWaiting(int fd, int& waiting) {
    waiting = 0;
    if (::ioctl(fd, FIONREAD, &waiting) == 0) return std::nullopt;
    return FromErrno(errno);
}

}  // namespace

bool SerialLink::OpenPort(const std::string& path, int baud, const LineSettings& line) {
    speed_t speed = B0;
    if (!SpeedForBaud(baud, speed))
        return Fail(SerialErrorKind::BadSettings, FillPlaceholders(Tr("SerialLink", "unsupported baud rate %1"), {std::to_string(baud)}));

    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        return Fail(KindFromOpenErrno(e), std::strerror(e));
    }
    port_.reset(new Port);
    Port& port = *port_;
    port.fd = fd;

    if (!::isatty(fd)) return FailOpen(SerialErrorKind::NotSerial, Tr("SerialLink", "not a terminal"));

    // flock keeps out other programs that play by the lock convention and other links in
    // this process; TIOCEXCL keeps out any further open() except root's.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        return FailOpen(e == EWOULDBLOCK ? SerialErrorKind::Busy : SerialErrorKind::System, std::strerror(e));
    }
    port.locked = true;
    if (::ioctl(fd, TIOCEXCL) != 0) {
        const int e = errno;
        return FailOpen(e == EBUSY ? SerialErrorKind::Busy : SerialErrorKind::System, std::strerror(e));
    }
    port.exclusive = true;

    if (::tcgetattr(fd, &port.savedTermios) != 0) {
        const int e = errno;
        return FailOpen(SerialErrorKind::System, std::strerror(e));
    }
    port.termiosSaved = true;

    const termios wanted = RawSettings(port.savedTermios, speed, line);
    if (::tcsetattr(fd, TCSANOW, &wanted) != 0) {
        const int e = errno;
        return FailOpen(SerialErrorKind::BadSettings, std::strerror(e));
    }
    termios applied{};
    if (::tcgetattr(fd, &applied) != 0 || !TookSettings(applied, wanted))
        return FailOpen(SerialErrorKind::BadSettings, FillPlaceholders(Tr("SerialLink", "it did not take %1"), {DescribeLineSettings(line, baud)}));
    return true;
}

void SerialLink::Release() {
    if (!port_) return;
    const Port& port = *port_;
    if (port.termiosSaved) ::tcsetattr(port.fd, TCSANOW, &port.savedTermios);
    if (port.exclusive) ::ioctl(port.fd, TIOCNXCL);
    if (port.locked) ::flock(port.fd, LOCK_UN);
    ::close(port.fd);
    port_.reset();
}

int SerialLink::Write(const void* data, int count) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    if (data == nullptr || count <= 0) return 0;
    const int fd = port_->fd;
    const auto deadline = Clock::now() + writeTimeout_;
    const char* bytes = static_cast<const char*>(data);
    int done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, static_cast<size_t>(count - done));
        if (n > 0) {
            done += static_cast<int>(n);
            if (done < count && Clock::now() < deadline) continue;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            const Problem problem = FromErrno(errno);
            return Fail(problem.kind, problem.text);
        }
        if (done < count) {
            if (const std::optional<Problem> problem = WaitFor(fd, POLLOUT, deadline)) {
                // Whatever is still queued would arrive glued to the front of the next message.
                if (problem->kind == SerialErrorKind::TimedOut) ::tcflush(fd, TCOFLUSH);
                return Fail(problem->kind, problem->text);
            }
        }
    }
    return count;
}

int SerialLink::BytesWaiting() {
    if (!IsOpen()) return 0;
    int waiting = 0;
    if (const std::optional<Problem> problem = QueryWaiting(port_->fd, waiting)) return Fail(problem->kind, problem->text);
    return waiting;
}

int SerialLink::Read(void* buffer, int count) {
    if (!IsOpen() || buffer == nullptr || count <= 0) return 0;
    const int waiting = BytesWaiting();
    if (waiting <= 0) return 0;
    const size_t wanted = static_cast<size_t>(std::min(count, waiting));
    for (;;) {
        const ssize_t n = ::read(port_->fd, buffer, wanted);
        if (n > 0) return static_cast<int>(n);
        if (n == 0) return Fail(SerialErrorKind::Vanished, "end of file");
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        const Problem problem = FromErrno(errno);
        return Fail(problem.kind, problem.text);
    }
}

bool SerialLink::WaitForInput(std::chrono::milliseconds timeout) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    const auto deadline = Clock::now() + timeout;
    const int fd = port_->fd;
    int waiting = 0;
    if (std::optional<Problem> problem = QueryWaiting(fd, waiting)) return Fail(problem->kind, problem->text);
    if (waiting > 0) return true;
    if (std::optional<Problem> problem = WaitFor(fd, POLLIN, deadline)) return Fail(problem->kind, problem->text);
    if (std::optional<Problem> problem = QueryWaiting(fd, waiting)) return Fail(problem->kind, problem->text);
    // A terminal reports itself readable with nothing to read only once its far end is gone.
    return waiting > 0 || Fail(SerialErrorKind::Vanished, "end of file");
}

bool SerialLink::DiscardInput() {
    if (!IsOpen()) return false;
    if (::tcflush(port_->fd, TCIFLUSH) != 0) {
        const Problem problem = FromErrno(errno);
        return Fail(problem.kind, problem.text);
    }
    return true;
}

}  // namespace cv
