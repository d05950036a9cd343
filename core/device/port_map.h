#pragma once
// Which device a port number of the Comm Port menu stands for.

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

// Serial devices present now, in counting order: the /dev/ttyS* that are real ports
// (their sysfs type is not 0; the kernel creates placeholders for absent UARTs), then
// /dev/ttyUSB*, then /dev/ttyACM*, each group in numeric order. `root` replaces "/"
// for both /dev and /sys.
std::vector<std::string> ListSerialDevices(const std::string& root = "/");

// The device for port `port` (1-based). A port named in `overrides` is that device, as
// written, whether it exists or not. The other ports count through the present devices,
// leaving out the devices the overrides name and the numbers they take.
PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string& root = "/");

}  // namespace cv
