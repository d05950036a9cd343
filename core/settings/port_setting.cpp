#include "core/settings/port_setting.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <charconv>

#include "core/platform/whole_file.h"
#include "core/settings/folder_paths.h"
#include "core/settings/profile_file.h"
#include "core/timers/lenient_number.h"

namespace cv {

namespace {

constexpr const char* kPortSection = "SerialComm";
constexpr const char* kPortKey = "PortNo";
constexpr const char* kOverrideSection = "Ports";

// n of "COM<n>" in any case, or 0 for any other key. Only plain decimal counts,
// so "COM01" cannot stand beside "COM1" for the same port.
int OverridePortOf(std::string_view key) {
    if (key.size() < 4) return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((key[i] | 0x20) != "com"[i]) return 0;
    }
    const std::string_view digits = key.substr(3);
    if (digits.front() < '1' || digits.front() > '9') return 0;
    int port = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (error != std::errc{} || end != digits.data() + digits.size() || port > 0xFFFF) return 0;
    return port;
}

}  // namespace

std::string SettingsPathIn(const std::string& folder) { return FileInFolder(folder, kSettingsFileName); }

std::uint16_t ReadPortNumber(const std::string& settingsPath) {
    return static_cast<std::uint16_t>(
        LenientAtoi(GetProfileString(settingsPath, kPortSection, kPortKey, "1")));
}

std::string DescribeSettingsFileProblem(const std::string& settingsPath) {
    const WholeFile file = ReadWholeFile(settingsPath, kProfileFileLimit);
    if (file.status == WholeFile::Status::TooLarge) {
        return FillPlaceholders(Tr("SettingsFile", "%1 is larger than %2 MiB, far too large for a settings file. "
                                                   "It is left as it is, and port 1 is used."),
                                {settingsPath, std::to_string(kProfileFileLimit / (1024 * 1024))});
    }
    if (file.status == WholeFile::Status::Failed) {
        return FillPlaceholders(Tr("SettingsFile", "%1 cannot be read: %2. It is left as it is, and port 1 is used."),
                                {settingsPath, file.systemText});
    }
    return {};
}

bool WritePortNumber(const std::string& settingsPath, std::uint16_t portNumber) {
    return WriteProfileString(settingsPath, kPortSection, kPortKey, std::to_string(portNumber));
}

PortOverrides ReadPortOverrides(const std::string& settingsPath) {
    PortOverrides overrides;
    for (const auto& [key, value] : GetProfileSection(settingsPath, kOverrideSection)) {
        const int port = OverridePortOf(key);
        if (port != 0 && !value.empty()) overrides.emplace(port, value);
    }
    return overrides;
}

}  // namespace cv
