#pragma once
// The serial port through which timers go to the unit.
//
// One SerialLink holds at most one open device, exclusively, in raw 8-bit mode,
// with the whole line set by us on open: speed, 8 data bits, parity, stop bits
// and flow control as asked (8N1 without flow control unless the settings file
// says otherwise), DTR and RTS raised. Nothing another program left on the port
// stays in force. No operation blocks for longer than its own timeout. Every
// failure other than a plain time-out closes the link (a device that went away,
// a driver that stopped answering), so the next Open starts afresh.
//
// The same contract holds on every system; serial_link_posix.cpp (termios) and
// serial_link_win32.cpp (the Win32 comm API) keep it.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/device/line_settings.h"
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

    // Opens the device of `portNumber` at `baud`, 8 data bits and `line`. When the link is
    // already open it returns true and keeps the open device and its settings, whatever
    // is asked. A device that does not take every part of the settings is refused.
    bool Open(std::uint16_t portNumber, int baud, const LineSettings& line = {});
    bool OpenDevice(const std::string& path, int baud, const LineSettings& line = {});

    // Puts the line settings back as they were found and lets the device go. Always true.
    bool Close();

    // Sends the whole buffer within the write timeout and returns `count`, or returns 0.
    // After a timeout the unsent rest is discarded so it cannot run into the next message;
    // on Windows the link also closes then, since some drivers fail every later write
    // until the port is opened afresh.
    int Write(const void* data, int count);

    // Bytes received and not yet read; 0 when closed. Cheap enough to call in a loop.
    int BytesWaiting();

    // Reads up to `count` of the waiting bytes; 0 at once when nothing is waiting.
    int Read(void* buffer, int count);

    // True as soon as input is waiting; false after `timeout` (TimedOut) or on failure.
    bool WaitForInput(std::chrono::milliseconds timeout);

    // Drops bytes already received and not yet read. False when the link is
    // closed, or closes because the device failed (LastError says why).
    bool DiscardInput();

    bool IsOpen() const { return port_ != nullptr; }
    // The device of the open link, or of the last attempt to open one.
    const std::string& DevicePath() const { return devicePath_; }
    const SerialError& LastError() const { return lastError_; }
    void SetWriteTimeout(std::chrono::milliseconds timeout) { writeTimeout_ = timeout; }

private:
    // The open device and what is needed to hand it back as it was found; each
    // system's file defines it.
    struct Port;
    struct PortDeleter {
        void operator()(Port* port) const;
    };

    // The system's part of OpenDevice: devicePath_ is set, lastError_ is clear and
    // baud is one of the supported rates.
    bool OpenPort(const std::string& path, int baud, const LineSettings& line);
    // Restores the settings found and closes the device; nothing when closed.
    void Release();
    // Records the error; any kind but TimedOut also closes the link. Always false.
    bool Fail(SerialErrorKind kind, const std::string& systemText);
    // A failure part way through opening: lets go of what was taken so far,
    // so a failed open leaves nothing held.
    bool FailOpen(SerialErrorKind kind, const std::string& systemText);

    std::unique_ptr<Port, PortDeleter> port_;
    std::string devicePath_;
    SerialError lastError_;
    PortResolver resolver_;
    std::chrono::milliseconds writeTimeout_{1000};
};

// The one link of the process; closed when the process ends.
SerialLink& TheSerialLink();

}  // namespace cv
