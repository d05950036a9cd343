#include "core/platform/user_folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/platform/whole_file.h"

namespace cv {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
    return {};
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs, a file of shell
// assignments that xdg-user-dirs keeps: "$HOME/yyy" or an absolute path, in
// double quotes. Read here rather than by running xdg-user-dir, which does no
// more than source this file, and which not every system has.
std::string DocumentsEntry(const std::string& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config = configHome && *configHome == '/' ? configHome : home + "/.config";
    const WholeFile file = ReadWholeFile(config + "/user-dirs.dirs", 64 * 1024);
    if (!file.Ok()) return {};

    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    std::string found;
    std::size_t start = 0;
    while (start < file.text.size()) {
        std::size_t end = file.text.find('\n', start);
        if (end == std::string::npos) end = file.text.size();
        std::string_view line(file.text.data() + start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (!line.starts_with(kKey)) continue;
        line.remove_prefix(kKey.size());
        std::string value;
        for (std::size_t i = 0; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        found = value;  // the last assignment wins, as in the shell
    }
    if (found.starts_with("$HOME")) return home + found.substr(5);
    return found.starts_with('/') ? found : std::string();
}

}  // namespace

std::string DocumentsFolder() {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    std::string documents = DocumentsEntry(home);
    if (documents.empty()) documents = home;
    std::error_code error;
    std::filesystem::create_directories(documents, error);
    return std::filesystem::is_directory(documents, error) ? documents : std::string();
}

bool CanCreateFilesIn(const std::string& folder) {
    std::string probe = (folder.empty() ? std::string(".") : folder) + "/.cvtimer-probe-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::unlink(probe.c_str());
    ::close(fd);
    return true;
}

}  // namespace cv
