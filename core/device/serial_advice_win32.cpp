#include "core/device/serial_advice.h"

#include "core/device/port_map.h"
#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

// "COM7" for "\\.\COM7": the name Device Manager and other programs show;
// "" when the error names no port at all.
std::string PortName(const SerialError& error) {
    if (!error.device.empty()) return DisplayDeviceName(error.device);
    return error.port > 0 ? "COM" + std::to_string(error.port) : std::string();
}

}  // namespace

std::string NoDeviceAdvice(const SerialError& error) {
    // Only a device reached through a port number has another choice in the menu.
    if (error.port > 0 || error.device.empty())
        return Tr("SerialAdvice", "Connect the unit, look up the number of its COM port in Device Manager "
                                  "(under \"Ports (COM & LPT)\") and choose that port from the Comm Port menu.");
    return Tr("SerialAdvice", "Connect the unit, look up the number of its COM port in Device Manager "
                              "(under \"Ports (COM & LPT)\") and name that port.");
}

std::string PermissionAdvice(const SerialError& error) {
    const std::string port = PortName(error);
    if (port.empty()) return Tr("SerialAdvice", "Ask the administrator of this computer to let you use the port.");
    return FillPlaceholders(Tr("SerialAdvice", "Ask the administrator of this computer to let you use %1."), {port});
}

std::string BusyAdvice(const SerialError& error) {
    const std::string port = PortName(error);
    if (port.empty()) return Tr("SerialAdvice", "Close the other program using the port and try again.");
    return FillPlaceholders(Tr("SerialAdvice", "Close the other program using %1 and try again."), {port});
}

}  // namespace cv
