#include "core/device/port_holder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

namespace cv {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

bool IsNumber(const char* text) {
    if (!*text) return false;
    for (; *text; ++text) {
        if (*text < '0' || *text > '9') return false;
    }
    return true;
}

// Whether the process in /proc/<pid> has a descriptor open on the device.
bool HoldsDevice(const std::string& process, dev_t device) {
    const Dir fds(::opendir((process + "/fd").c_str()));
    if (!fds) return false;  // another user's process: not ours to look into
    while (const dirent* fd = ::readdir(fds.get())) {
        struct stat target {};
        if (IsNumber(fd->d_name) && ::stat((process + "/fd/" + fd->d_name).c_str(), &target) == 0 &&
            S_ISCHR(target.st_mode) && target.st_rdev == device)
            return true;
    }
    return false;
}

std::string CommandOf(const std::string& process) {
    std::FILE* file = std::fopen((process + "/comm").c_str(), "r");
    if (!file) return "";
    char name[64] = {};
    const bool read = std::fgets(name, sizeof name, file) != nullptr;
    std::fclose(file);
    std::string command = read ? name : "";
    while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) command.pop_back();
    return command;
}

}  // namespace

std::optional<PortHolder> FindPortHolder(const std::string& devicePath) {
    struct stat device {};
    if (devicePath.empty() || ::stat(devicePath.c_str(), &device) != 0 || !S_ISCHR(device.st_mode)) return std::nullopt;
    const Dir processes(::opendir("/proc"));
    if (!processes) return std::nullopt;
    const std::string self = std::to_string(::getpid());
    while (const dirent* entry = ::readdir(processes.get())) {
        if (!IsNumber(entry->d_name) || entry->d_name == self) continue;
        const std::string process = std::string("/proc/") + entry->d_name;
        if (!HoldsDevice(process, device.st_rdev)) continue;
        const std::string command = CommandOf(process);
        return PortHolder{command.empty() ? "?" : command, std::stol(entry->d_name)};
    }
    return std::nullopt;
}

}  // namespace cv
