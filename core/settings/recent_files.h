#pragma once
// The timer files last loaded or saved, newest first, kept in the settings
// file's [RecentFiles] section as File1 to File5. Nothing else in the file is
// touched.

#include <string>
#include <vector>

namespace cv {

inline constexpr int kRecentFileLimit = 5;

// The list as stored, without empty or repeated entries.
std::vector<std::string> ReadRecentFiles(const std::string& settingsPath);

// Puts path at the top, dropping an older entry for it and whatever falls
// beyond five. A path the file cannot hold (a line break in it) is not
// listed. false when the settings file could not be written.
bool RememberRecentFile(const std::string& settingsPath, const std::string& path);

// Takes path off the list. false when the settings file could not be written.
bool ForgetRecentFile(const std::string& settingsPath, const std::string& path);

}  // namespace cv
