// cvtimerctl show: the ten timers of a timer file, as the sheet would show them.

#include <optional>
#include <string>

#include "core/language/tr.h"
#include "core/timers/time_text.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"
#include "tools/ctl_timer_file.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlShow",
           "Usage: cvtimerctl show FILE\n\n"
           "Prints the ten timers of a timer file as a table: name, start time, repeat\n"
           "interval, snooze time and priority, the times as the sheet shows them.\n"
           "A name with leading blanks, or made of blanks only, is shown in quotes;\n"
           "a control character in a name is shown as \\xNN. A file saved in UTF-8 or\n"
           "Windows-1252 by another editor is converted, and stderr says so.\n\n"
           "Exit status: 0 shown, 1 the file cannot be read, 2 wrong usage.\n\n"
           "Options:\n"
           "  --help    show this text\n");
}

}  // namespace

int RunShow(int argc, char** argv) {
    TimerFileContent content;
    if (const std::optional<int> exitStatus = ReadTimerFileOperand(argc, argv, "show", Usage().c_str(), content))
        return *exitStatus;
    const TimerRecords& timers = content.records;

    std::vector<std::vector<std::string>> rows{{Tr("CtlTable", "Timer"), Tr("CtlTable", "Name"), Tr("CtlTable", "Start"),
                                               Tr("CtlTable", "Repeat"), Tr("CtlTable", "Snooze"),
                                               Tr("CtlTable", "Priority")}};
    for (int index = 0; index < kTimerCount; ++index) {
        const TimerRecord& timer = timers[static_cast<std::size_t>(index)];
        rows.push_back({std::to_string(index + 1), DisplayTimerName(content.shownNames[static_cast<std::size_t>(index)]), FormatTimeText(timer.startTime),
                        FormatTimeText(timer.repeatInterval), FormatTimeText(timer.snoozeTime),
                        std::to_string(timer.priority)});
    }
    PrintTable(rows, {true, false, false, false, false, true});
    return 0;
}

}  // namespace cv
