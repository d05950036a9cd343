#pragma once
// Reads and writes INI ("profile") files the way the Windows profile functions
// do, so a settings file edited by hand, or carried over from a Windows
// machine, keeps working, and whatever else is in it survives our writes.
//
// Reading: section and key names match without regard to case; blanks and
// tabs around names and values do not count; one pair of matching outer
// quotes ('...' or "...") is taken off a value; lines starting with ';' are
// comments; of duplicate sections or keys the first one counts. CRLF, LF and
// CR line ends are all read.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cv {

// A settings file holds a few hundred bytes; anything beyond this is not one,
// and is neither read nor rewritten.
inline constexpr std::size_t kProfileFileLimit = 1024 * 1024;

// The longest value GetProfileString hands out; longer ones are cut.
inline constexpr std::size_t kProfileValueLimit = 79;

// Section and key names match this way: ASCII letters without regard to case.
bool SameProfileName(std::string_view a, std::string_view b);

// Value as stored, or defaultValue when the file, section or key is missing.
// At most kProfileValueLimit characters are returned.
std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view defaultValue);

// A key's value as GetProfileString reads it, but never cut, with the number
// of the line it is on (1 for the first), so a message can point at it.
// Nothing when the file, the section or the key is missing, or the file cannot
// be read.
struct ProfileEntry {
    std::string value;
    int line = 0;
};
std::optional<ProfileEntry> FindProfileEntry(const std::string& path, std::string_view section,
                                             std::string_view key);

// Every key of a section as GetProfileSection lists them, each with the
// number of its line (1 for the first), so a message can point at it.
struct ProfileKey {
    std::string name;
    std::string value;
    int line = 0;
};
std::vector<ProfileKey> GetProfileKeys(const std::string& path, std::string_view section);

// All key=value pairs of a section, in file order, first of duplicates only.
// Values are trimmed and unquoted like GetProfileString's but never cut: they
// may be device paths, and a cut path names a different device.
std::vector<std::pair<std::string, std::string>> GetProfileSection(const std::string& path,
                                                                   std::string_view section);

// Sets key in section, creating the file, section or key as needed. Every
// other byte of the file stays as it was; the file is replaced in one step, so
// a crash or a full disk leaves either the old or the new file.
// false, with nothing changed, when the file cannot be read or written, or when
// a name or value would break the file's layout (a line break in any of them,
// ']' in the section, '=' in the key, an empty key). Like Windows, a value's
// outer blanks and quotes are written but do not read back.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace cv
