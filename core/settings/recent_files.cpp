#include "core/settings/recent_files.h"

#include <algorithm>

#include "core/settings/profile_file.h"

namespace cv {

namespace {

constexpr const char* kSection = "RecentFiles";

std::string KeyOf(int slot) { return "File" + std::to_string(slot); }

bool Fits(const std::string& path) { return !path.empty() && path.find_first_of("\r\n") == std::string::npos; }

// Slots beyond the list are emptied, never left holding an old entry. Every
// value is quoted: the quotes come off when it is read, and the path inside
// keeps any outer blanks or quotes of its own.
bool WriteList(const std::string& settingsPath, const std::vector<std::string>& files) {
    const auto stored = GetProfileSection(settingsPath, kSection);
    bool written = true;
    for (int slot = 1; slot <= kRecentFileLimit; ++slot) {
        const std::string key = KeyOf(slot);
        if (slot <= static_cast<int>(files.size())) {
            written = WriteProfileString(settingsPath, kSection, key, "\"" + files[slot - 1] + "\"") && written;
            continue;
        }
        const bool present = std::any_of(stored.begin(), stored.end(),
                                         [&](const auto& pair) { return SameProfileName(pair.first, key) && !pair.second.empty(); });
        if (present) written = WriteProfileString(settingsPath, kSection, key, "") && written;
    }
    return written;
}

}  // namespace

std::vector<std::string> ReadRecentFiles(const std::string& settingsPath) {
    const auto stored = GetProfileSection(settingsPath, kSection);
    std::vector<std::string> files;
    for (int slot = 1; slot <= kRecentFileLimit; ++slot) {
        const std::string key = KeyOf(slot);
        const auto found = std::find_if(stored.begin(), stored.end(),
                                        [&](const auto& pair) { return SameProfileName(pair.first, key); });
        if (found == stored.end() || found->second.empty()) continue;
        if (std::find(files.begin(), files.end(), found->second) == files.end()) files.push_back(found->second);
    }
    return files;
}

bool RememberRecentFile(const std::string& settingsPath, const std::string& path) {
    if (!Fits(path)) return true;
    std::vector<std::string> files = ReadRecentFiles(settingsPath);
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > static_cast<std::size_t>(kRecentFileLimit)) files.resize(kRecentFileLimit);
    return WriteList(settingsPath, files);
}

bool ForgetRecentFile(const std::string& settingsPath, const std::string& path) {
    std::vector<std::string> files = ReadRecentFiles(settingsPath);
    if (std::erase(files, path) == 0) return true;
    return WriteList(settingsPath, files);
}

}  // namespace cv
