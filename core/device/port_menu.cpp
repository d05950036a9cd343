#include "core/device/port_menu.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <set>

namespace cv {

std::vector<int> MenuPortNumbers(const std::map<int, std::string>& present, int chosen) {
    std::set<int> numbers;
    for (int n = 1; n <= kPortMenuCount; ++n) numbers.insert(n);
    for (const auto& entry : present) {
        if (entry.first > kPortMenuCount) numbers.insert(entry.first);
    }
    if (chosen > kPortMenuCount) numbers.insert(chosen);
    return {numbers.begin(), numbers.end()};
}

std::vector<MenuPort> ListMenuPorts(const PortOverrides& overrides, int chosen, const std::string& root) {
    const SerialDeviceScan scan = ScanSerialDevices(root);
    const std::map<int, std::string> present = ListPresentPortsAmong(overrides, scan.devices);
    const std::vector<int> numbers = MenuPortNumbers(present, chosen);
    const std::vector<PortLookup> lookups = FindPortDevicesAmong(numbers, overrides, scan.devices);
    std::vector<MenuPort> ports;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        MenuPort& port = ports.emplace_back();
        port.number = numbers[i];
        port.lookup = lookups[i];
        port.present = present.count(port.number) != 0;
        if (port.present) port.name = HardwareNameIn(scan, port.lookup.device);
    }
    return ports;
}

std::string DescribeMenuPort(const MenuPort& port) {
    const std::string number = std::to_string(port.number);
    if (!port.lookup.found) return FillPlaceholders(Tr("PortMenu", "Port %1: no serial device"), {number});
    // A device named in the settings file, or a COM port on Windows, may be unplugged.
    const std::string device = DisplayDeviceName(port.lookup.device);
    if (!port.present)
        return FillPlaceholders(Tr("PortMenu", "Port %1 would reach %2, which is not connected"), {number, device});
    return FillPlaceholders(Tr("PortMenu", "Port %1 reaches %2"), {number, device});
}

}  // namespace cv
