#include "core/platform/local_user.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace cv {

std::string LoginName() {
    // The account the program runs as: the one whose rights wrote to the port.
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    for (const char* name : {"LOGNAME", "USER"}) {
        if (const char* value = std::getenv(name); value && *value) return value;
    }
    return "";
}

bool LocalCalendarTime(std::time_t when, std::tm& local) { return ::localtime_r(&when, &local) != nullptr; }

}  // namespace cv
