#pragma once
// The ports the Comm Port menu offers, and what each reaches now. The menu and
// cvtimerctl ports both show this list.

#include <map>
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
    std::string name;      // what is plugged in there, when present and the system tells
};

// The numbers the menu offers: Port 1 to Port 12, then every port above 12 in
// `present` (the ports that reach a device now), and `chosen` when it is above 12
// even if nothing is there, so the choice always shows. In number order. Before
// anyone has looked at the devices, `present` is empty.
std::vector<int> MenuPortNumbers(const std::map<int, std::string>& present, int chosen);

// The menu's ports with what each reaches now, from one look at the devices.
std::vector<MenuPort> ListMenuPorts(const PortOverrides& overrides, int chosen, const std::string& root = "/");

// What the port's item tells on hovering: "Port 3 reaches /dev/ttyUSB0",
// "Port 2 would reach COM9, which is not connected", "Port 4: no serial device".
std::string DescribeMenuPort(const MenuPort& port);

}  // namespace cv
