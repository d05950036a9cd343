#pragma once
// The serial port through which timers go to the unit.
//
// One SerialLink holds at most one open device, exclusively (flock and TIOCEXCL), in raw
// 8-bit mode. No operation blocks for longer than its own timeout. A device that goes
// away mid-session closes the link, so the next Open starts afresh.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include <termios.h>

#include "core/device/port_map.h"
#include "core/device/serial_error.h"

namespace cv {

class SerialLink {
public:
    using PortResolver = std::function<PortLookup(int port)>;

    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // How Open turns a port number into a device; an empty resolver restores the default,
    // the present devices with no overrides.
    void SetPortResolver(PortResolver resolver);

    // Opens the device of `portNumber` at `baud`, 8 data bits. When the link is already
    // open it returns true and keeps the open device and its settings, whatever is asked.
    bool Open(std::uint16_t portNumber, int baud);
    bool OpenDevice(const std::string& path, int baud);

    // Puts the line settings back as they were found and lets the device go. Always true.
    bool Close();

    // Sends the whole buffer within the write timeout and returns `count`, or returns 0.
    // After a timeout the unsent rest is discarded so it cannot run into the next message.
    int Write(const void* data, int count);

    // Bytes received and not yet read; 0 when closed. Cheap enough to call in a loop.
    int BytesWaiting();

    // Reads up to `count` of the waiting bytes; 0 at once when nothing is waiting.
    int Read(void* buffer, int count);

    // True as soon as input is waiting; false after `timeout` (TimedOut) or on failure.
    bool WaitForInput(std::chrono::milliseconds timeout);

    // Drops bytes already received and not yet read.
    void DiscardInput();

    bool IsOpen() const { return fd_ >= 0; }
    // The device of the open link, or of the last attempt to open one.
    const std::string& DevicePath() const { return devicePath_; }
    const SerialError& LastError() const { return lastError_; }
    void SetWriteTimeout(std::chrono::milliseconds timeout) { writeTimeout_ = timeout; }

private:
    bool Fail(SerialErrorKind kind, const std::string& systemText);
    bool FailFromErrno(int errnoValue);
    bool WaitFor(short events, std::chrono::steady_clock::time_point deadline);
    bool QueryWaiting(int& waiting);
    void Release();

    int fd_ = -1;
    bool locked_ = false;
    bool exclusive_ = false;
    bool termiosSaved_ = false;
    termios savedTermios_{};
    std::string devicePath_;
    SerialError lastError_;
    PortResolver resolver_;
    std::chrono::milliseconds writeTimeout_{1000};
};

// The one link of the process; closed when the process ends.
SerialLink& TheSerialLink();

}  // namespace cv
