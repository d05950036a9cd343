#pragma once
// The ports the Comm Port menu offers, and what each reaches now. The menu and
// cvtimerctl ports both show this list.

#include <string>
#include <vector>

#include "core/device/port_map.h"

namespace cv {

// Port 1 to Port 12 are always offered.
inline constexpr int kPortMenuCount = 12;

struct MenuPort {
    int number = 0;
    PortLookup lookup;
    bool present = false;  // lookup found a device, and it is there now
};

// Port 1 to Port 12, then every port above 12 that reaches a present device, and
// `chosen` when it is above 12 even if nothing is there, so the choice always shows.
// In number order.
std::vector<MenuPort> ListMenuPorts(const PortOverrides& overrides, int chosen, const std::string& root = "/");

// What the port's item tells on hovering: "Port 3 reaches /dev/ttyUSB0",
// "Port 2 would reach COM9, which is not connected", "Port 4: no serial device".
std::string DescribeMenuPort(const MenuPort& port);

}  // namespace cv
