#include "core/device/port_map.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <utility>

#include <sys/stat.h>

#include "core/device/hardware_name.h"

namespace cv {

namespace fs = std::filesystem;

namespace {

// The number after `prefix` when `name` is the prefix followed by digits only.
bool NumberAfterPrefix(const std::string& name, const std::string& prefix, long& number) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    number = std::strtol(digits.c_str(), nullptr, 10);
    return true;
}

// A ttyS node is a real port when the serial core reports a UART type other than 0.
// Without the attribute there is no telling, and placeholders far outnumber real ports.
bool IsRealUart(const fs::path& root, const std::string& name) {
    std::ifstream in(root / "sys/class/tty" / name / "type");
    int type = 0;
    return static_cast<bool>(in >> type) && type != 0;
}

std::atomic<unsigned long> looks{0};

const char* const kGroups[] = {"ttyS", "ttyUSB", "ttyACM"};
enum Group { kUart, kUsbSerial, kUsbModem, kNoGroup };

Group GroupOf(const std::string& name) {
    for (int g = kUart; g < kNoGroup; ++g) {
        long number = 0;
        if (NumberAfterPrefix(name, kGroups[g], number)) return static_cast<Group>(g);
    }
    return kNoGroup;
}

// The first line of a small sysfs attribute, or "".
std::string Attribute(const fs::path& file) {
    char text[256];
    std::ifstream in(file, std::ios::binary);
    in.read(text, sizeof text);
    const std::string_view read(text, static_cast<std::size_t>(in.gcount()));
    return std::string(read.substr(0, read.find('\n')));
}

// A USB serial adapter's or modem's tty leads to its USB interface (ttyACM) or to a
// port below the interface (ttyUSB); the USB device above holds the strings.
std::string UsbNameFromSysfs(const fs::path& root, const std::string& name) {
    std::error_code ec;
    fs::path at = fs::canonical(root / "sys/class/tty" / name / "device", ec);
    if (ec) return "";
    for (int up = 0; up < 3 && at.has_relative_path(); ++up, at = at.parent_path()) {
        if (!fs::exists(at / "idVendor", ec)) continue;
        const std::string named = UsbDeviceName(Attribute(at / "manufacturer"), Attribute(at / "product"));
        if (!named.empty()) return named;
        // A device without strings is at least told apart by its vendor and product IDs.
        return UsbDeviceName("", FillPlaceholders(Tr("PortMap", "USB device %1:%2"),
                                                  {Attribute(at / "idVendor"), Attribute(at / "idProduct")}));
    }
    return "";
}

// What the kernel's tty `name` ("ttyUSB0") is, for a tty known to be present.
std::string NameFromSysfs(const fs::path& root, const std::string& name, Group group) {
    switch (group) {
        case kUart:
            return Tr("PortMap", "built-in serial port");
        case kUsbSerial:
        case kUsbModem:
            return UsbNameFromSysfs(root, name);
        default:
            return "";
    }
}

// The kernel's name of the tty `device` reaches, links followed; "" when it reaches nothing.
std::string KernelName(const std::string& device) {
    std::error_code ec;
    const fs::path canonical = fs::canonical(device, ec);
    return ec ? "" : canonical.filename().string();
}

// What `device` is, by the tty it reaches: a link (in /dev/serial/by-id, or an
// alias a udev rule or a tool made in /dev itself) is named as its node.
std::string NameOfDevice(const fs::path& root, const std::string& device) {
    const std::string name = KernelName(device);
    const Group group = GroupOf(name);
    if (group == kUart && !IsRealUart(root, name)) return "";
    return NameFromSysfs(root, name, group);
}

// Each serial device under root/dev with its group, in counting order.
std::vector<std::pair<std::string, Group>> ListDevNodes(const fs::path& root) {
    ++looks;
    const fs::path dev = root / "dev";
    std::vector<std::pair<long, std::string>> found[kNoGroup];
    std::error_code ec;
    for (fs::directory_iterator it(dev, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const Group group = GroupOf(name);
        if (group == kNoGroup) continue;
        if (group == kUart && !IsRealUart(root, name)) continue;
        std::error_code gone;
        if (!fs::exists(it->path(), gone)) continue;  // a link to nothing
        long number = 0;
        NumberAfterPrefix(name, kGroups[group], number);
        found[group].emplace_back(number, (dev / name).string());
    }
    std::vector<std::pair<std::string, Group>> nodes;
    for (int g = kUart; g < kNoGroup; ++g) {
        std::sort(found[g].begin(), found[g].end());
        for (auto& entry : found[g]) nodes.emplace_back(std::move(entry.second), static_cast<Group>(g));
    }
    return nodes;
}

std::string CanonicalOrAsWritten(const std::string& path) {
    std::error_code ec;
    const fs::path canonical = fs::canonical(path, ec);
    return ec ? fs::path(path).lexically_normal().string() : canonical.string();
}

// The ports that count through `present`: the devices the overrides do not name,
// in order, on the port numbers the overrides do not take.
std::map<int, std::string> CountedPorts(const PortOverrides& overrides, const std::vector<std::string>& present) {
    std::set<std::string> taken;
    for (const auto& entry : overrides) taken.insert(CanonicalOrAsWritten(entry.second));
    std::map<int, std::string> ports;
    int port = 1;
    for (const std::string& device : present) {
        if (!taken.empty() && taken.count(CanonicalOrAsWritten(device)) != 0) continue;
        while (overrides.count(port) != 0) ++port;
        ports.emplace(port++, device);
    }
    return ports;
}

}  // namespace

std::vector<std::string> ListSerialDevices(const std::string& root) {
    std::vector<std::string> devices;
    for (auto& node : ListDevNodes(root)) devices.push_back(std::move(node.first));
    return devices;
}

SerialDeviceScan ScanSerialDevices(const std::string& root) {
    SerialDeviceScan scan;
    for (auto& node : ListDevNodes(root)) {
        std::string& device = node.first;
        std::string named = NameOfDevice(root, device);
        if (!named.empty()) scan.names.emplace(fs::path(device).filename().string(), std::move(named));
        scan.devices.push_back(std::move(device));
    }
    return scan;
}

std::string DeviceHardwareName(const std::string& device, const std::string& root) {
    return NameOfDevice(root, device);
}

std::string HardwareNameIn(const SerialDeviceScan& scan, const std::string& device) {
    // A device as the scan listed it is found by its /dev name, which the scan
    // named by the node it leads to; any other path (a link in
    // /dev/serial/by-id) by what it leads to.
    const bool listed = std::find(scan.devices.begin(), scan.devices.end(), device) != scan.devices.end();
    const auto it = scan.names.find(listed ? fs::path(device).filename().string() : KernelName(device));
    return it == scan.names.end() ? "" : it->second;
}

unsigned long SerialDeviceLooks() { return looks; }

PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string& root) {
    // A port the settings file names needs no look at the devices.
    const bool named = port >= 1 && overrides.count(port) != 0;
    const std::vector<std::string> present = named ? std::vector<std::string>() : ListSerialDevices(root);
    return FindPortDevicesAmong({port}, overrides, present).front();
}

std::vector<PortLookup> FindPortDevicesAmong(const std::vector<int>& ports, const PortOverrides& overrides,
                                             const std::vector<std::string>& present) {
    const std::map<int, std::string> counted = CountedPorts(overrides, present);
    std::vector<PortLookup> lookups;
    for (const int port : ports) {
        PortLookup& lookup = lookups.emplace_back();
        const auto named = port >= 1 ? overrides.find(port) : overrides.end();
        if (named != overrides.end()) {
            lookup.found = true;
            lookup.device = named->second;
            lookup.fromSettings = true;
        } else if (const auto it = counted.find(port); it != counted.end()) {
            lookup.found = true;
            lookup.device = it->second;
        } else {
            lookup.reason = FillPlaceholders(Tr("PortMap", "no serial device for port %1 (%2 found)"),
                                             {std::to_string(port), std::to_string(present.size())});
        }
    }
    return lookups;
}

std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string& root) {
    return ListPresentPortsAmong(overrides, ListSerialDevices(root));
}

std::map<int, std::string> ListPresentPortsAmong(const PortOverrides& overrides,
                                                 const std::vector<std::string>& present) {
    std::map<int, std::string> ports = CountedPorts(overrides, present);
    for (const auto& [port, device] : overrides) {
        if (port >= 1 && DevicePresent(device)) ports.emplace(port, device);
    }
    return ports;
}

std::string DeviceFromUserName(const std::string& name) { return name; }

bool DevicePresent(const std::string& device) {
    struct stat info {};
    return ::stat(device.c_str(), &info) == 0;
}

std::string DisplayDeviceName(const std::string& device) { return device; }

}  // namespace cv
