// SerialLink over the Win32 comm API.
//
// Waiting for input is a ReadFile of one byte with a read timeout, kept as a
// look-ahead byte, rather than WaitCommEvent: the event wait is not reliable on
// every driver (under Wine on a pseudo-terminal it completes at once with an
// error), and a wait loop built on it would spin. Every pass of a wait blocks
// in that ReadFile, whatever ClearCommError answers.

#include "core/device/serial_link.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "core/device/comm_calls_win32.h"
#include "core/platform/wide_text.h"

namespace cv {

namespace {

struct ComPort {
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool settingsSaved = false;
    DCB savedState{};
    COMMTIMEOUTS savedTimeouts{};
    std::optional<COMMTIMEOUTS> timeouts;  // as last set by us
    bool hasLookAhead = false;
    char lookAhead = 0;
};

using Clock = std::chrono::steady_clock;

// The longest single ReadFile while waiting; between slices the port's status
// is asked, which is how a device that went away shows itself.
constexpr std::chrono::milliseconds kReadSlice{100};

struct Problem {
    SerialErrorKind kind;
    std::string text;
};

const CommCalls& Calls() { return TheCommCalls(); }

// ERROR_NO_SUCH_DEVICE ("A device which does not exist was specified"), which
// MinGW-w64's headers do not name.
constexpr DWORD kNoSuchDevice = 433;

SerialErrorKind KindFromOpenError(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_DEVICE_NOT_CONNECTED:
        case kNoSuchDevice:
        case ERROR_NO_UNICODE_TRANSLATION:
            return SerialErrorKind::NoDevice;
        // A serial port opens for one handle at a time; another program holds it.
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return SerialErrorKind::Busy;
        default:
            return SerialErrorKind::System;
    }
}

// After a successful open these are what drivers answer once the adapter is
// unplugged: the inbox driver cancels its requests (995), USB serial drivers
// report the device gone (55, 433, 1167, 1617) or the handle dead (6), and
// usbser.sys times out every write (121) until the cable is plugged in again.
bool IsVanishedError(DWORD code) {
    switch (code) {
        case ERROR_INVALID_HANDLE:
        case ERROR_ACCESS_DENIED:
        case ERROR_NOT_READY:
        case ERROR_BAD_COMMAND:
        case ERROR_GEN_FAILURE:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_SEM_TIMEOUT:
        case kNoSuchDevice:
        case ERROR_OPERATION_ABORTED:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
            return true;
        default:
            return false;
    }
}

// Some virtual and USB ports do not answer ClearCommError at all; for them the
// queue count is unknown rather than the port broken.
bool IsUnsupportedQuery(DWORD code) {
    return code == ERROR_INVALID_PARAMETER || code == ERROR_INVALID_FUNCTION || code == ERROR_NOT_SUPPORTED;
}

Problem FromError(DWORD code) {
    return {IsVanishedError(code) ? SerialErrorKind::Vanished : SerialErrorKind::System, SystemMessage(code)};
}

Problem FromLastError() { return FromError(::GetLastError()); }

DWORD Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<DWORD>(std::clamp<long long>(duration.count(), 1, MAXDWORD - 1));
}

// readWait 0: a read returns at once with what is there. Otherwise a read
// returns as soon as one byte is there, or with nothing after readWait.
std::optional<Problem> SetTimeouts(ComPort& port, DWORD readWait, std::chrono::milliseconds writeTimeout) {
    COMMTIMEOUTS wanted{};
    wanted.ReadIntervalTimeout = readWait == 0 ? MAXDWORD : 0;
    wanted.ReadTotalTimeoutMultiplier = 0;
    wanted.ReadTotalTimeoutConstant = readWait;
    wanted.WriteTotalTimeoutMultiplier = 0;
    wanted.WriteTotalTimeoutConstant = Milliseconds(writeTimeout);
    const auto same = [&](const COMMTIMEOUTS& t) {
        return t.ReadIntervalTimeout == wanted.ReadIntervalTimeout &&
               t.ReadTotalTimeoutConstant == wanted.ReadTotalTimeoutConstant &&
               t.WriteTotalTimeoutConstant == wanted.WriteTotalTimeoutConstant;
    };
    if (port.timeouts && same(*port.timeouts)) return std::nullopt;
    if (!Calls().setCommTimeouts(port.handle, &wanted)) return FromLastError();
    port.timeouts = wanted;
    return std::nullopt;
}

// Received bytes not yet read, the one held back by a wait included. A port
// that does not say counts only that one, so a wait goes on to its timed read.
std::optional<Problem> QueryWaiting(const ComPort& port, int& waiting) {
    waiting = port.hasLookAhead ? 1 : 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!Calls().clearCommError(port.handle, &errors, &status)) {
        const DWORD code = ::GetLastError();
        if (IsUnsupportedQuery(code)) return std::nullopt;
        return FromError(code);
    }
    waiting += static_cast<int>(std::min<DWORD>(status.cbInQue, 1 << 30));
    return std::nullopt;
}

}  // namespace

struct SerialLink::Port : ComPort {};

void SerialLink::PortDeleter::operator()(Port* port) const { delete port; }

bool SerialLink::OpenPort(const std::string& path, int baud, const LineSettings& line) {
    const std::wstring widePath = WideFromUtf8(path);
    if (widePath.empty()) {
        const DWORD code = path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_NO_UNICODE_TRANSLATION;
        return Fail(KindFromOpenError(code), SystemMessage(code));
    }
    // Share mode 0: the port is ours alone until Close.
    const HANDLE handle = Calls().createFile(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        return Fail(KindFromOpenError(code), SystemMessage(code));
    }
    port_.reset(new Port);
    Port& port = *port_;
    port.handle = handle;

    // First, before any other request: with fAbortOnError left on by another
    // program, a pending line error makes the driver refuse everything but
    // this. Its answer does not count; some ports do not support it at all.
    DWORD errors = 0;
    COMSTAT status{};
    Calls().clearCommError(handle, &errors, &status);

    // Only a serial port answers GetCommState; GetFileType may call a working
    // USB adapter's port unknown.
    DCB found{};
    found.DCBlength = sizeof found;
    if (!Calls().getCommState(handle, &found)) return FailOpen(SerialErrorKind::NotSerial, Tr("SerialLink", "not a serial port"));
    if (!Calls().getCommTimeouts(handle, &port.savedTimeouts)) return FailOpen(SerialErrorKind::System, FromLastError().text);
    port.savedState = found;
    port.settingsSaved = true;

    DCB wanted = LineState(found, baud, line);
    if (!Calls().setCommState(handle, &wanted)) return FailOpen(SerialErrorKind::BadSettings, FromLastError().text);
    DCB applied{};
    applied.DCBlength = sizeof applied;
    if (!Calls().getCommState(handle, &applied) || !TookState(applied, wanted))
        return FailOpen(SerialErrorKind::BadSettings, FillPlaceholders(Tr("SerialLink", "it did not take %1"), {DescribeLineSettings(line, baud)}));
    if (const std::optional<Problem> problem = SetTimeouts(port, 0, writeTimeout_))
        return FailOpen(problem->kind, problem->text);
    return true;
}

void SerialLink::Release() {
    if (!port_) return;
    Port& port = *port_;
    if (port.settingsSaved) {
        Calls().setCommState(port.handle, &port.savedState);
        Calls().setCommTimeouts(port.handle, &port.savedTimeouts);
    }
    Calls().closeHandle(port.handle);
    port_.reset();
}

int SerialLink::Write(const void* data, int count) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    if (data == nullptr || count <= 0) return 0;
    Port& port = *port_;
    if (const std::optional<Problem> problem = SetTimeouts(port, 0, writeTimeout_))
        return Fail(problem->kind, problem->text);
    DWORD written = 0;
    if (!Calls().writeFile(port.handle, data, static_cast<DWORD>(count), &written, nullptr)) {
        const Problem problem = FromLastError();
        return Fail(problem.kind, problem.text);
    }
    if (written == static_cast<DWORD>(count)) return count;
    // Whatever is still queued would arrive glued to the front of the next message,
    // and a driver whose write timed out may fail every later one on this handle.
    Calls().purgeComm(port.handle, PURGE_TXABORT | PURGE_TXCLEAR);
    Fail(SerialErrorKind::TimedOut, "timed out");
    Release();
    return 0;
}

int SerialLink::BytesWaiting() {
    if (!IsOpen()) return 0;
    int waiting = 0;
    if (const std::optional<Problem> problem = QueryWaiting(*port_, waiting)) return Fail(problem->kind, problem->text);
    return waiting;
}

int SerialLink::Read(void* buffer, int count) {
    if (!IsOpen() || buffer == nullptr || count <= 0) return 0;
    Port& port = *port_;
    char* bytes = static_cast<char*>(buffer);
    int done = 0;
    if (port.hasLookAhead) {
        bytes[done++] = port.lookAhead;
        port.hasLookAhead = false;
    }
    if (done == count) return done;
    // With a read timeout of 0 the read takes what has arrived and returns at once.
    if (const std::optional<Problem> problem = SetTimeouts(port, 0, writeTimeout_)) {
        Fail(problem->kind, problem->text);
        return done;
    }
    DWORD got = 0;
    if (!Calls().readFile(port.handle, bytes + done, static_cast<DWORD>(count - done), &got, nullptr)) {
        const Problem problem = FromLastError();
        Fail(problem.kind, problem.text);
        return done;
    }
    return done + static_cast<int>(got);
}

bool SerialLink::WaitForInput(std::chrono::milliseconds timeout) {
    if (!IsOpen()) return Fail(SerialErrorKind::NoDevice, "the link is not open");
    const auto deadline = Clock::now() + timeout;
    Port& port = *port_;
    for (;;) {
        int waiting = 0;
        if (const std::optional<Problem> problem = QueryWaiting(port, waiting)) return Fail(problem->kind, problem->text);
        if (waiting > 0) return true;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return Fail(SerialErrorKind::TimedOut, "timed out");
        if (const std::optional<Problem> problem = SetTimeouts(port, Milliseconds(std::min(left, kReadSlice)), writeTimeout_))
            return Fail(problem->kind, problem->text);
        DWORD got = 0;
        if (!Calls().readFile(port.handle, &port.lookAhead, 1, &got, nullptr)) {
            const Problem problem = FromLastError();
            return Fail(problem.kind, problem.text);
        }
        if (got == 1) {
            port.hasLookAhead = true;
            return true;
        }
    }
}

bool SerialLink::DiscardInput() {
    if (!IsOpen()) return false;
    port_->hasLookAhead = false;
    if (!Calls().purgeComm(port_->handle, PURGE_RXCLEAR)) {
        const Problem problem = FromLastError();
        return Fail(problem.kind, problem.text);
    }
    return true;
}

}  // namespace cv
