#include "core/device/serial_error.h"

#include "core/device/port_map.h"
#include "core/device/serial_advice.h"

namespace cv {

namespace {

std::string DeviceName(const SerialError& error) {
    return error.device.empty() ? std::string("The serial device") : DisplayDeviceName(error.device);
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
                return "No serial device is connected" + where + ". " + NoDeviceAdvice(error);
            }
            return "There is no serial device " + name + ". " + NoDeviceAdvice(error);
        case SerialErrorKind::PermissionDenied:
            return "Permission denied opening " + name + ". " + PermissionAdvice(error);
        case SerialErrorKind::Busy:
            return name + " is in use by another program. " + BusyAdvice(error);
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
    return "Cannot use " + (error.device.empty() ? std::string("the serial device") : name) + WithSystemText(error);
}

}  // namespace cv
