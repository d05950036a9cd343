#include "core/device/serial_error.h"

#include <cerrno>

namespace cv {

namespace {

std::string DeviceName(const SerialError& error) {
    return error.device.empty() ? std::string("The serial device") : error.device;
}

std::string WithSystemText(const SerialError& error) {
    return error.systemText.empty() ? std::string(".") : " (" + error.systemText + ").";
}

}  // namespace

std::string DescribeSerialError(const SerialError& error) {
    const std::string name = DeviceName(error);
    switch (error.kind) {
        case SerialErrorKind::None:
            return "No error.";
        case SerialErrorKind::NoDevice:
            if (error.device.empty()) {
                const std::string where = error.port > 0 ? " for port " + std::to_string(error.port) : "";
                return "No serial device is connected" + where +
                       ". Connect the unit or choose another port from the Comm Port menu.";
            }
            // Only a device reached through a port number has another choice in the menu.
            return "There is no serial device " + error.device + ". Connect the unit or " +
                   (error.port > 0 ? "choose another port from the Comm Port menu." : "name another device.");
        case SerialErrorKind::PermissionDenied:
            return "Permission denied opening " + error.device +
                   ". Add your user to the 'dialout' group (sudo usermod -aG dialout $USER), "
                   "then log out and in again.";
        case SerialErrorKind::Busy:
            return name + " is in use by another program. Close it and try again.";
        case SerialErrorKind::NotSerial:
            return name + " is not a serial device. Choose another port.";
        case SerialErrorKind::Vanished:
            return name + " was disconnected. Reconnect it and try again.";
        case SerialErrorKind::TimedOut:
            return name + " did not respond in time. Check that the unit is connected and switched on, "
                          "then try again.";
        case SerialErrorKind::BadSettings:
            return name + " does not accept the line settings" + WithSystemText(error);
        case SerialErrorKind::System:
            break;
    }
    return "Cannot use " + (error.device.empty() ? std::string("the serial device") : error.device) +
           WithSystemText(error);
}

SerialErrorKind SerialErrorKindFromOpenErrno(int errnoValue) {
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

}  // namespace cv
