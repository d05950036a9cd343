#include "core/device/serial_advice.h"

#include "core/language/tr.h"

namespace cv {

std::string NoDeviceAdvice(const SerialError& error) {
    // Only a device reached through a port number has another choice in the menu.
    if (error.port > 0 || error.device.empty())
        return Tr("SerialAdvice", "Connect the unit or choose another port from the Comm Port menu.");
    return Tr("SerialAdvice", "Connect the unit or name another device.");
}

std::string PermissionAdvice(const SerialError&) {
    return Tr("SerialAdvice",
              "Add your user to the 'dialout' group (sudo usermod -aG dialout $USER), then log out and in again.");
}

std::string BusyAdvice(const SerialError&) { return Tr("SerialAdvice", "Close it and try again."); }

}  // namespace cv
