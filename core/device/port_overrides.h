#pragma once
// Port numbers the user tied to a device path in the settings file, e.g.
// COM1=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0.

#include <map>
#include <string>

namespace cv {

using PortOverrides = std::map<int, std::string>;

}  // namespace cv
