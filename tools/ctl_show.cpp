// cvtimerctl show: the ten timers of a timer file, as the sheet would show them.

#include <cstdio>
#include <string>
#include <string_view>

#include "core/timers/time_text.h"
#include "core/timerfile/timer_file_io.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"
#include "tools/unit_messages.h"

namespace cv {

namespace {

constexpr const char* kUsage =
    "Usage: cvtimerctl show FILE\n\n"
    "Prints the ten timers of a timer file as a table: name, start time, repeat\n"
    "interval, snooze time and priority, the times as the sheet shows them.\n"
    "A name with leading blanks, or made of blanks only, is shown in quotes;\n"
    "bytes other than printable ASCII are shown as \\xNN.\n\n"
    "Exit status: 0 shown, 1 the file cannot be read, 2 wrong usage.\n\n"
    "Options:\n"
    "  --help    show this text\n";

// Files pad names to 20 columns, so trailing blanks are noise; leading ones
// are not, and quotes keep them (and an all-blank name) visible.
std::string DisplayName(const std::string& name) {
    std::string trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
    const std::string shown = EscapeForDisplay(trimmed);
    if (trimmed.empty() || trimmed.front() == ' ') return "\"" + shown + "\"";
    return shown;
}

}  // namespace

int RunShow(int argc, char** argv) {
    std::string path;
    bool havePath = false;
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (arguments.IsOption()) {
            if (!IsHelpOption(argument))
                return UsageError("show", "unknown option '" + std::string(arguments.Whole()) + "'", kUsage);
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (havePath) return UsageError("show", "only one FILE, please", kUsage);
        path = argument;
        havePath = true;
    }
    if (!havePath) return UsageError("show", "which timer file?", kUsage);

    const TimerFileContent content = ReadTimerFile(path);
    if (!content.ok) {
        std::fprintf(stderr, "%s\n%s\n", TimerFileErrorMainText(content.error).c_str(),
                     TimerFileErrorDetailText(content.error).c_str());
        return 1;
    }

    std::vector<std::vector<std::string>> rows{{"Timer", "Name", "Start", "Repeat", "Snooze", "Priority"}};
    for (int index = 0; index < kTimerCount; ++index) {
        const TimerRecord& timer = content.records[static_cast<std::size_t>(index)];
        rows.push_back({std::to_string(index + 1), DisplayName(timer.name), FormatTimeText(timer.startTime),
                        FormatTimeText(timer.repeatInterval), FormatTimeText(timer.snoozeTime),
                        std::to_string(timer.priority)});
    }
    PrintTable(rows, {true, false, false, false, false, true});
    return 0;
}

}  // namespace cv
