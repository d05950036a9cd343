#include "core/device/serial_advice.h"

#include "core/device/port_map.h"

namespace cv {

namespace {

// "COM7" for "\\.\COM7": the name Device Manager and other programs show.
std::string PortName(const SerialError& error) {
    if (!error.device.empty()) return DisplayDeviceName(error.device);
    return error.port > 0 ? "COM" + std::to_string(error.port) : std::string("the port");
}

}  // namespace

std::string NoDeviceAdvice(const SerialError& error) {
    // Only a device reached through a port number has another choice in the menu.
    const std::string choose =
        error.port > 0 || error.device.empty() ? "choose that port from the Comm Port menu." : "name that port.";
    return "Connect the unit, look up the number of its COM port in Device Manager (under \"Ports (COM & LPT)\") "
           "and " + choose;
}

std::string PermissionAdvice(const SerialError& error) {
    return "Ask the administrator of this computer to let you use " + PortName(error) + ".";
}

std::string BusyAdvice(const SerialError& error) {
    return "Close the other program using " + PortName(error) + " and try again.";
}

}  // namespace cv
