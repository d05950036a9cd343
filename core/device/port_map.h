#pragma once
// Which device a port number of the Comm Port menu stands for.

#include <map>
#include <string>
#include <vector>

#include "core/device/port_overrides.h"

namespace cv {

struct PortLookup {
    bool found = false;
    std::string device;
    bool fromSettings = false;  // the device was named in the settings file
    std::string reason;         // why nothing was found
};

// Serial devices present now, in counting order.
// Linux: the /dev/ttyS* that are real ports (their sysfs type is not 0; the kernel
// creates placeholders for absent UARTs), then /dev/ttyUSB*, then /dev/ttyACM*, each
// group in numeric order. `root` replaces "/" for both /dev and /sys.
// Windows: the COM ports the system lists, by number, as "\\.\COM3"; no root.
std::vector<std::string> ListSerialDevices(const std::string& root = "/");

// The device for port `port` (1-based). A port named in `overrides` is that device,
// whether it exists or not.
// Linux: the override as written. The other ports count through the present devices,
// leaving out the devices the overrides name and the numbers they take.
// Windows: an override "COM7" means "\\.\COM7", anything else is taken as written.
// Every other port n is "\\.\COMn", present or not; `root` is not used.
PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string& root = "/");

// Every port that reaches a serial device present now, by number, with that device.
// A port named in `overrides` counts when the device named for it is present.
// Linux: the other ports count through the present devices as FindPortDevice does.
// Windows: port n for every COMn the system lists, unless `overrides` names another
// device for n; `root` is not used.
std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string& root = "/");

// The device a user means by `name`. Windows: "COM7" (any case) is "\\.\COM7", the
// form that also reaches COM10 and above. Anything else, and everything on Linux,
// as written.
std::string DeviceFromUserName(const std::string& name);

// Whether `device` is there now; one that is present may still be in use. Asks
// the system's device list and never opens the device (an open raises DTR and
// holds the port, which hovering over a menu must not do).
bool DevicePresent(const std::string& device);

// How messages and tips name a device. Windows: "COM5" for "\\.\COM5", the name
// Device Manager shows; anything else as given. Linux: as given.
std::string DisplayDeviceName(const std::string& device);

}  // namespace cv
