#include "core/platform/desktop_notice.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/language/tr.h"
#include "core/timers/sentence.h"

extern char** environ;

namespace cv {

namespace {

// Runs the program found on PATH with its output discarded; its exit status,
// or -1 when it could not be started.
int RunQuietly(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A GVariant string for gdbus: quoted, with its quotes and backslashes escaped.
std::string GVariantString(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

}  // namespace

std::string ShowDesktopNotice(const std::string& title, const std::string& text, NoticeLevel level) {
    const std::string urgency = level == NoticeLevel::Warning ? "critical" : "normal";
    if (RunQuietly({"notify-send", "--app-name=CV Timer", "--icon=cvtimer", "--urgency=" + urgency, "--", title, text}) == 0)
        return "";
    // A critical notice stays until it is dismissed (urgency 2), as notify-send makes it.
    const std::string hints = std::string("{'urgency': <byte ") + (level == NoticeLevel::Warning ? "2" : "1") + ">}";
    if (RunQuietly({"gdbus", "call", "--session", "--dest", "org.freedesktop.Notifications", "--object-path",
                    "/org/freedesktop/Notifications", "--method", "org.freedesktop.Notifications.Notify", "CV Timer",
                    "0", "cvtimer", GVariantString(title), GVariantString(text), "[]", hints, "-1"}) == 0)
        return "";
    return Tr("Notice", "The desktop's notification service could not be reached (notify-send from libnotify-bin, or "
                        "gdbus, and a desktop session are needed).");
}

}  // namespace cv
