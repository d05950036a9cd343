#include "core/settings/folder_paths.h"

#include <filesystem>
#include <system_error>

namespace cv {

namespace {

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
