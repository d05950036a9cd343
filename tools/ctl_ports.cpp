// cvtimerctl ports: which device each port of the Comm Port menu reaches now,
// so a supervisor can tell which number to pick, or what to write in [Ports].

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/device/port_map.h"
#include "core/device/port_menu.h"
#include "core/settings/folder_paths.h"
#include "core/settings/line_setting.h"
#include "core/settings/port_setting.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlPorts",
           "Usage: cvtimerctl ports\n\n"
           "Lists the ports of CV Timer's Comm Port menu with the serial device each\n"
           "reaches now: the device named for it in the [Ports] section of\n"
           "CVTimerSystem.ini in the current folder, or else, on Linux, the next present\n"
           "device, and on Windows COMn for port n. Each line says whether the device is\n"
           "present and, where the system tells, what is plugged in there, for example\n"
           "\"FT232R USB UART (FTDI)\" or \"USB Serial Port (FTDI)\". Port 1 to Port 12 are\n"
           "always listed, a port above 12 when it reaches a present device (on Windows\n"
           "COM13 and up as Device Manager shows them) or when that file chooses it. The\n"
           "port chosen in that file is marked with '*'.\n\n"
           "Exit status: 0 listed, 2 wrong usage.\n\n"
           "Options:\n"
           "  --root DIR  for testing on Linux: look for devices under DIR/dev and DIR/sys\n"
           "  --help      show this text\n");
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
}

std::vector<std::string> PortRow(const MenuPort& port, bool selected) {
    const std::string marker = selected ? "*" : " ";
    const std::string name = FillPlaceholders(Tr("CtlPorts", "Port %1"), {std::to_string(port.number)});
    if (!port.lookup.found) return {marker, name, "-", "", Tr("CtlPorts", "no device"), ""};
    return {marker,
            name,
            DisplayDeviceName(port.lookup.device),
            port.lookup.fromSettings ? Tr("CtlPorts", "(from settings)") : std::string(),
            port.present ? Tr("CtlPorts", "present") : Tr("CtlPorts", "missing"),
            port.name};
}

}  // namespace

int RunPorts(int argc, char** argv) {
    std::string root = "/";
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (IsHelpOption(argument)) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        if (argument != "--root")
            return UsageError("ports", FillPlaceholders(Tr("CtlUsage", "unknown argument '%1'"), {arguments.Whole()}),
                              Usage().c_str());
        const std::optional<std::string_view> value = arguments.TakeValue();
        if (!value || value->empty()) return UsageError("ports", Tr("CtlUsage", "--root needs a folder"), Usage().c_str());
        root = *value;
    }

    const std::string settingsPath = SettingsPathIn(StartFolder());
    const bool unread = WarnIfSettingsUnread(settingsPath);
    if (const std::string problem = ReadLineSettings(settingsPath).problem; !problem.empty())
        std::fprintf(stderr, "cvtimerctl: %s\n", problem.c_str());
    const PortOverrides overrides = ReadPortOverrides(settingsPath);
    const int selected = ReadPortNumber(settingsPath);

    std::vector<std::vector<std::string>> rows;
    for (const MenuPort& port : ListMenuPorts(overrides, selected, root))
        rows.push_back(PortRow(port, port.number == selected));
    PrintTable(rows, {});

    if (unread) {
        std::printf("\n* %s\n",
                    FillPlaceholders(Tr("CtlPorts", "port 1, used because %1 was not read (see above)"), {settingsPath})
                        .c_str());
    } else if (selected < 1) {
        std::printf("\n%s\n", FillPlaceholders(Tr("CtlPorts", "%1 chooses port %2, which does not exist."),
                                               {settingsPath, std::to_string(selected)})
                                  .c_str());
    } else {
        const std::string chosen = FileExists(settingsPath)
                                       ? Tr("CtlPorts", "the port chosen in %1")
                                       : Tr("CtlPorts", "the port chosen in %1 (no such file: port 1)");
        std::printf("\n* %s\n", FillPlaceholders(chosen, {settingsPath}).c_str());
    }
    return 0;
}

}  // namespace cv
