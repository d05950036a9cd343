#include "core/device/port_map.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <windows.h>
#include <setupapi.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <utility>

#include "core/device/hardware_name.h"
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

// n of "\\.\COMn" or "COMn", or 0.
int ComNumberOfDevice(std::string_view device) {
    if (device.starts_with(kDevicePrefix)) device.remove_prefix(kDevicePrefix.size());
    return ComNumber(device);
}

std::atomic<unsigned long> looks{0};

// The Ports (COM & LPT) device setup class, GUID_DEVCLASS_PORTS of devguid.h.
constexpr GUID kPortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::string DeviceProperty(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property) {
    std::wstring text(256, L'\0');
    DWORD type = 0;
    DWORD needed = 0;
    while (!::SetupDiGetDeviceRegistryPropertyW(devices, &device, property, &type, reinterpret_cast<BYTE*>(text.data()),
                                                static_cast<DWORD>(text.size() * sizeof(wchar_t)), &needed)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed / sizeof(wchar_t) <= text.size() ||
            needed > 65536)
            return "";
        text.assign(needed / sizeof(wchar_t) + 1, L'\0');
    }
    if (type != REG_SZ) return "";
    return Utf8FromWide(std::wstring_view(text.c_str()));
}

// The COM port a device of the Ports class stands for: PortName in its hardware
// key ("Device Parameters"), where the Ports class installer writes it; 0 for a
// printer port or a port without one.
int PortNumberOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    const HKEY key = ::SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE) return 0;
    wchar_t name[64] = {};
    DWORD size = sizeof name;
    const LSTATUS status = ::RegGetValueW(key, nullptr, L"PortName", RRF_RT_REG_SZ, nullptr, name, &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? ComNumber(Utf8FromWide(name)) : 0;
}

// What Device Manager names each COM port present now, by its number: one
// pass over the Ports class of the system's device information.
std::map<int, std::string> NamedComPorts() {
    std::map<int, std::string> names;
    const HDEVINFO devices = ::SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) return names;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const int number = PortNumberOf(devices, device);
        if (number == 0) continue;
        std::string named = ComPortName(DeviceProperty(devices, device, SPDRP_FRIENDLYNAME),
                                        DeviceProperty(devices, device, SPDRP_DEVICEDESC),
                                        DeviceProperty(devices, device, SPDRP_MFG));
        if (!named.empty()) names.emplace(number, std::move(named));
    }
    ::SetupDiDestroyDeviceInfoList(devices);
    return names;
}

// The n of every COMn the system lists, in order. The list names what CreateFile
// reaches as \\.\COMn; a USB adapter joins it when plugged in and leaves it when
// unplugged.
std::vector<int> ListedComNumbers() {
    ++looks;
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

SerialDeviceScan ScanSerialDevices(const std::string& root) {
    SerialDeviceScan scan;
    scan.devices = ListSerialDevices(root);
    for (auto& [number, named] : NamedComPorts()) scan.names.emplace(std::to_string(number), std::move(named));
    return scan;
}

std::string DeviceHardwareName(const std::string& device, const std::string&) {
    const int number = ComNumberOfDevice(device);
    if (number == 0) return "";
    const std::map<int, std::string> names = NamedComPorts();
    const auto it = names.find(number);
    return it == names.end() ? "" : it->second;
}

std::string HardwareNameIn(const SerialDeviceScan& scan, const std::string& device) {
    const auto it = scan.names.find(std::to_string(ComNumberOfDevice(device)));
    return it == scan.names.end() ? "" : it->second;
}

unsigned long SerialDeviceLooks() { return looks; }

std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string& root) {
    return ListPresentPortsAmong(overrides, ListSerialDevices(root));
}

std::map<int, std::string> ListPresentPortsAmong(const PortOverrides& overrides,
                                                 const std::vector<std::string>& present) {
    std::map<int, std::string> ports;
    for (const std::string& device : present) {
        const int number = ComNumberOfDevice(device);
        if (number != 0 && overrides.count(number) == 0) ports.emplace(number, device);
    }
    for (const auto& [port, name] : overrides) {
        const std::string device = DeviceFromUserName(name);
        if (port >= 1 && DevicePresent(device)) ports.emplace(port, device);
    }
    return ports;
}

PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string&) {
    return FindPortDevicesAmong({port}, overrides, {}).front();
}

// The list plays no part: every port n is COMn unless the settings say otherwise.
std::vector<PortLookup> FindPortDevicesAmong(const std::vector<int>& ports, const PortOverrides& overrides,
                                             const std::vector<std::string>&) {
    std::vector<PortLookup> lookups;
    for (const int port : ports) {
        PortLookup& lookup = lookups.emplace_back();
        if (port < 1) {
            lookup.reason = FillPlaceholders(Tr("PortMap", "no serial device for port %1"), {std::to_string(port)});
            continue;
        }
        lookup.found = true;
        if (const auto it = overrides.find(port); it != overrides.end()) {
            lookup.fromSettings = true;
            lookup.device = DeviceFromUserName(it->second);
        } else {
            lookup.device = ComDevice(port);
        }
    }
    return lookups;
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
