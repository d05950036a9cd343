#include "core/device/port_menu.h"

#include <set>

namespace cv {

std::vector<MenuPort> ListMenuPorts(const PortOverrides& overrides, int chosen, const std::string& root) {
    std::set<int> numbers;
    for (int n = 1; n <= kPortMenuCount; ++n) numbers.insert(n);
    for (const auto& entry : ListPresentPorts(overrides, root)) {
        if (entry.first > kPortMenuCount) numbers.insert(entry.first);
    }
    if (chosen > kPortMenuCount) numbers.insert(chosen);

    std::vector<MenuPort> ports;
    for (int n : numbers) {
        MenuPort port{n, FindPortDevice(n, overrides, root)};
        port.present = port.lookup.found && DevicePresent(port.lookup.device);
        ports.push_back(std::move(port));
    }
    return ports;
}

std::string DescribeMenuPort(const MenuPort& port) {
    const std::string name = "Port " + std::to_string(port.number);
    if (!port.lookup.found) return name + ": no serial device";
    // A device named in the settings file, or a COM port on Windows, may be unplugged.
    const std::string device = DisplayDeviceName(port.lookup.device);
    if (!port.present) return name + " would reach " + device + ", which is not connected";
    return name + " reaches " + device;
}

}  // namespace cv
