#pragma once
// Why the serial link failed, in a form a message box can show.

#include <string>

namespace cv {

enum class SerialErrorKind {
    None,
    NoDevice,
    PermissionDenied,
    Busy,
    NotSerial,
    Vanished,
    TimedOut,
    BadSettings,
    System,
};

struct SerialError {
    SerialErrorKind kind = SerialErrorKind::None;
    std::string device;      // the device path, empty when no device could be found for a port
    std::string systemText;  // the system's own text for the failure, or a short explanation
    int port = 0;            // the port number asked for, 0 when the device was opened by path
};

// One or two plain sentences for a message box: names the device (or the port when
// there was none) and says what the user can do about it.
std::string DescribeSerialError(const SerialError& error);

}  // namespace cv
