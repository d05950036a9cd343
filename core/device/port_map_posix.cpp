#include "core/device/port_map.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

#include <sys/stat.h>

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
        if (taken.count(CanonicalOrAsWritten(device)) != 0) continue;
        while (overrides.count(port) != 0) ++port;
        ports.emplace(port++, device);
    }
    return ports;
}

}  // namespace

std::vector<std::string> ListSerialDevices(const std::string& root) {
    const fs::path rootPath(root);
    const fs::path dev = rootPath / "dev";
    const char* const groups[] = {"ttyS", "ttyUSB", "ttyACM"};
    std::vector<std::pair<long, std::string>> found[3];

    std::error_code ec;
    for (fs::directory_iterator it(dev, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        for (int g = 0; g < 3; ++g) {
            long number = 0;
            if (!NumberAfterPrefix(name, groups[g], number)) continue;
            if (g == 0 && !IsRealUart(rootPath, name)) continue;
            found[g].emplace_back(number, (dev / name).string());
        }
    }

    std::vector<std::string> devices;
    for (auto& group : found) {
        std::sort(group.begin(), group.end());
        for (auto& entry : group) devices.push_back(std::move(entry.second));
    }
    return devices;
}

PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string& root) {
    PortLookup lookup;
    if (port >= 1) {
        if (const auto it = overrides.find(port); it != overrides.end()) {
            lookup.found = true;
            lookup.device = it->second;
            lookup.fromSettings = true;
            return lookup;
        }
    }

    const std::vector<std::string> present = ListSerialDevices(root);
    const std::map<int, std::string> counted = CountedPorts(overrides, present);
    if (const auto it = counted.find(port); it != counted.end()) {
        lookup.found = true;
        lookup.device = it->second;
        return lookup;
    }
    lookup.reason = "no serial device for port " + std::to_string(port) + " (" + std::to_string(present.size()) +
                    " found)";
    return lookup;
}

std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string& root) {
    std::map<int, std::string> ports = CountedPorts(overrides, ListSerialDevices(root));
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
