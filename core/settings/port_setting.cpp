#include "core/settings/port_setting.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/platform/whole_file.h"
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

// UTF-8 on every system, like every other path in the core.
std::string Utf8(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::string CurrentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    // A folder removed under our feet has no name; "." still reaches it.
    if (error) return ".";
    return Utf8(folder);
}

}  // namespace

std::string FileInFolder(const std::string& folder, const std::string& name) {
    // The system's own separator, so the path shows as its users write paths.
    constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.empty()) return std::string(".") + kSeparator + name;
    if (folder.back() == '/' || folder.back() == kSeparator) return folder + name;
    return folder + kSeparator + name;
}

std::string FolderOfFile(const std::string& path) {
    const std::size_t separator = path.find_last_of(std::string("/") +
                                                   static_cast<char>(std::filesystem::path::preferred_separator));
    if (separator == std::string::npos) return ".";
    return path.substr(0, separator == 0 ? 1 : separator);
}

std::string SettingsPathIn(const std::string& folder) { return FileInFolder(folder, kSettingsFileName); }

std::uint16_t ReadPortNumber(const std::string& settingsPath) {
    return static_cast<std::uint16_t>(
        LenientAtoi(GetProfileString(settingsPath, kPortSection, kPortKey, "1")));
}

std::string DescribeSettingsFileProblem(const std::string& settingsPath) {
    const WholeFile file = ReadWholeFile(settingsPath, kProfileFileLimit);
    std::string problem;
    if (file.status == WholeFile::Status::TooLarge) {
        problem = settingsPath + " is larger than " + std::to_string(kProfileFileLimit / (1024 * 1024)) +
                  " MiB, far too large for a settings file.";
    } else if (file.status == WholeFile::Status::Failed) {
        problem = settingsPath + " cannot be read: " + file.systemText + ".";
    } else {
        return problem;
    }
    return problem + " It is left as it is, and port 1 is used.";
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

std::string StartFolder() {
    static const std::string folder = CurrentFolder();
    return folder;
}

std::string AbsolutePath(const std::string& path) {
    const std::filesystem::path given(std::u8string(path.begin(), path.end()));
    if (given.is_absolute()) return Utf8(given.lexically_normal().make_preferred());
    const std::string start = StartFolder();
    const std::filesystem::path whole =
        std::filesystem::path(std::u8string(start.begin(), start.end())) / given;
    return Utf8(whole.lexically_normal().make_preferred());
}

}  // namespace cv
