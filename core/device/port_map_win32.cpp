#include "core/device/port_map.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/platform/wide_text.h"

namespace cv {

namespace {

constexpr std::string_view kDevicePrefix = "\\\\.\\";

// n of "COMn" in any case, or 0.
int ComNumber(std::string_view name) {
    if (name.size() < 4) return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((name[i] | 0x20) != "com"[i]) return 0;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 3, name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || number < 1) return 0;
    return number;
}

std::string ComDevice(int number) { return std::string(kDevicePrefix) + "COM" + std::to_string(number); }

// The n of every COMn the system lists, in order. The list names what CreateFile
// reaches as \\.\COMn; a USB adapter joins it when plugged in and leaves it when
// unplugged.
std::vector<int> ListedComNumbers() {
    std::wstring names(1 << 16, L'\0');
    DWORD length = 0;
    // Machines with many drives and volumes can outgrow any first guess.
    while ((length = ::QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()))) == 0 &&
           ::GetLastError() == ERROR_INSUFFICIENT_BUFFER && names.size() < (1u << 22)) {
        names.assign(names.size() * 4, L'\0');
    }
    std::vector<int> numbers;
    for (std::size_t start = 0; start < length && names[start] != L'\0';) {
        const std::size_t end = names.find(L'\0', start);
        const std::string name = Utf8FromWide(std::wstring_view(names).substr(start, end - start));
        if (const int number = ComNumber(name)) numbers.push_back(number);
        start = end + 1;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace

std::vector<std::string> ListSerialDevices(const std::string&) {
    std::vector<std::string> devices;
    for (int number : ListedComNumbers()) devices.push_back(ComDevice(number));
    return devices;
}

std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string&) {
    std::map<int, std::string> ports;
    for (int number : ListedComNumbers()) {
        if (overrides.count(number) == 0) ports.emplace(number, ComDevice(number));
    }
    for (const auto& [port, name] : overrides) {
        const std::string device = DeviceFromUserName(name);
        if (port >= 1 && DevicePresent(device)) ports.emplace(port, device);
    }
    return ports;
}

PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string&) {
    PortLookup lookup;
    if (port < 1) {
        lookup.reason = "no serial device for port " + std::to_string(port);
        return lookup;
    }
    lookup.found = true;
    if (const auto it = overrides.find(port); it != overrides.end()) {
        lookup.fromSettings = true;
        lookup.device = DeviceFromUserName(it->second);
        return lookup;
    }
    lookup.device = ComDevice(port);
    return lookup;
}

std::string DeviceFromUserName(const std::string& name) {
    // "COM7" alone is how Windows users write a port; CreateFile needs the device form.
    return ComNumber(name) != 0 ? std::string(kDevicePrefix) + name : name;
}

bool DevicePresent(const std::string& device) {
    const std::wstring wide = WideFromUtf8(device);
    if (wide.empty()) return false;
    // The system's list answers without touching the port: it is the very
    // namespace CreateFile looks "\\.\" names up in.
    const std::wstring_view name = std::string_view(device).starts_with(kDevicePrefix)
                                       ? std::wstring_view(wide).substr(kDevicePrefix.size())
                                       : std::wstring_view(wide);
    wchar_t target[1024];
    return ::QueryDosDeviceW(std::wstring(name).c_str(), target, static_cast<DWORD>(std::size(target))) != 0;
}

std::string DisplayDeviceName(const std::string& device) {
    const std::string_view name(device);
    return name.starts_with(kDevicePrefix) && ComNumber(name.substr(kDevicePrefix.size())) != 0
               ? device.substr(kDevicePrefix.size())
               : device;
}

}  // namespace cv
