// cvtimerctl ports: which device each port of the Comm Port menu reaches now,
// so a supervisor can tell which number to pick, or what to write in [Ports].

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/port_map.h"
#include "core/settings/port_setting.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"

namespace cv {

namespace {

constexpr const char* kUsage =
    "Usage: cvtimerctl ports\n\n"
    "Lists Port 1 to Port 12 with the serial device each reaches now and whether\n"
    "it is present: the device named for it in the [Ports] section of\n"
    "CVTimerSystem.ini in the current folder, or else, on Linux, the next present\n"
    "device, and on Windows COM1 to COM12. The port chosen in that file is marked\n"
    "with '*'.\n\n"
    "Exit status: 0 listed, 2 wrong usage.\n\n"
    "Options:\n"
    "  --root DIR  for testing on Linux: look for devices under DIR/dev and DIR/sys\n"
    "  --help      show this text\n";

constexpr int kMenuPorts = 12;

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
}

std::vector<std::string> PortRow(int port, bool selected, const PortOverrides& overrides, const std::string& root) {
    const std::string marker = selected ? "*" : " ";
    const std::string name = "Port " + std::to_string(port);
    const PortLookup lookup = FindPortDevice(port, overrides, root);
    if (!lookup.found) return {marker, name, "-", "", "no device"};
    const bool present = DevicePresent(lookup.device);
    return {marker, name, lookup.device, lookup.fromSettings ? "(from settings)" : "", present ? "present" : "missing"};
}

}  // namespace

int RunPorts(int argc, char** argv) {
    std::string root = "/";
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (IsHelpOption(argument)) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument != "--root")
            return UsageError("ports", "unknown argument '" + std::string(arguments.Whole()) + "'", kUsage);
        const std::optional<std::string_view> value = arguments.TakeValue();
        if (!value || value->empty()) return UsageError("ports", "--root needs a folder", kUsage);
        root = *value;
    }

    const std::string settingsPath = SettingsPathIn(StartFolder());
    WarnIfSettingsUnread(settingsPath);
    const PortOverrides overrides = ReadPortOverrides(settingsPath);
    const int selected = ReadPortNumber(settingsPath);

    std::vector<std::vector<std::string>> rows;
    for (int port = 1; port <= kMenuPorts; ++port) rows.push_back(PortRow(port, port == selected, overrides, root));
    // A hand-edited settings file may choose a port the menu does not offer.
    if (selected > kMenuPorts) rows.push_back(PortRow(selected, true, overrides, root));
    PrintTable(rows, {});

    if (selected < 1) {
        std::printf("\n%s chooses port %d, which does not exist.\n", settingsPath.c_str(), selected);
    } else {
        std::printf("\n* the port chosen in %s%s\n", settingsPath.c_str(),
                    FileExists(settingsPath) ? "" : " (no such file: port 1)");
    }
    return 0;
}

}  // namespace cv
