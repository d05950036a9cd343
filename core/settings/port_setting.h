#pragma once
// The remembered serial port: [SerialComm] PortNo in the settings file, plus
// the optional [Ports] section that ties port numbers to device paths.

#include <cstdint>
#include <string>

#include "core/device/port_overrides.h"

namespace cv {

inline constexpr const char* kSettingsFileName = "CVTimerSystem.ini";

// The settings file inside folder.
std::string SettingsPathIn(const std::string& folder);

// PortNo read like atoi (no digits gives 0), keeping the low 16 bits; 1 when
// the file or the key is missing.
std::uint16_t ReadPortNumber(const std::string& settingsPath);

// Empty when the settings file can be read or does not exist. Otherwise a
// sentence for the user: the file is too large to be a settings file or
// cannot be read (with the system's reason), so it is neither read nor
// changed and port 1 is used.
std::string DescribeSettingsFileProblem(const std::string& settingsPath);

// Writes PortNo in decimal, creating the file when needed. false when the
// file cannot be written; the old file is then left as it was.
bool WritePortNumber(const std::string& settingsPath, std::uint16_t portNumber);

// Keys "COM<n>" (any case, n from 1 to 65535) of [Ports] with a non-empty
// value; anything else in the section is ignored.
PortOverrides ReadPortOverrides(const std::string& settingsPath);

}  // namespace cv
