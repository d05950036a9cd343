// cvtimerctl plan: the day a timer file makes, reminder by reminder, and the
// minutes at which several timers remind together.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/timers/clock_text.h"
#include "core/timers/day_plan.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_timer_file.h"
#include "tools/ctl_options.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlPlan",
           "Usage: cvtimerctl plan FILE\n\n"
           "Prints the day the timers of a timer file make: every reminder in time\n"
           "order (\"06:00 AM  Hands Washing\"), then the clashes, one line per minute\n"
           "at which two or more timers remind, the names separated by commas.\n"
           "Each timer reminds at its start time and then every repeat interval until\n"
           "midnight; an interval of 0 reminds once. A timer that starts 24 hours or\n"
           "more after midnight is listed as outside the day.\n\n"
           "Exit status: 0 printed, 1 the file cannot be read, 2 wrong usage.\n\n"
           "Options:\n"
           "  --help    show this text\n");
}

// named: the timers with their names as the file spells them, in UTF-8.
std::vector<std::string> NamesOf(const TimerRecords& named, const std::vector<int>& indexes) {
    std::vector<std::string> names;
    for (int index : indexes) names.push_back(TerminalText(PlanName(named, index)));
    return names;
}

void PrintPlan(const TimerFileContent& content) {
    const TimerRecords& timers = content.records;
    TimerRecords named = timers;
    for (int index = 0; index < kTimerCount; ++index) {
        std::string& name = named[static_cast<std::size_t>(index)].name;
        name = content.shownNames[static_cast<std::size_t>(index)];
        // A blank name reads "Timer 3" here in UTF-8, whatever letters the
        // language's word takes (PlanName's own stands beside Latin-1 names).
        if (name.find_first_not_of(" \t") == std::string::npos)
            name = FillPlaceholders(Tr("TimerList", "Timer %1"), {std::to_string(index + 1)});
    }
    const DayPlan plan = PlanDay(timers);
    for (const Reminder& reminder : plan.reminders)
        std::printf("%s\n", PlanLine(reminder.minute, NamesOf(named, {reminder.timerIndex})).c_str());
    std::printf("\n%s\n", Tr("CtlPlan", "Clashes:").c_str());
    if (plan.clashes.empty()) std::printf("%s\n", Tr("CtlPlan", "none").c_str());
    for (const PlanMinute& clash : plan.clashes)
        std::printf("%s\n", PlanLine(clash.minute, NamesOf(named, clash.timerIndexes)).c_str());
    if (!plan.outsideDay.empty()) std::printf("\n%s\n", Tr("CtlPlan", "Outside the day:").c_str());
    for (int index : plan.outsideDay) {
        std::printf("%s\n", FillPlaceholders(Tr("CtlPlan", "%1 starts %2 after midnight"),
                                             {NamesOf(named, {index})[0],
                                              FormatDuration(timers[static_cast<std::size_t>(index)].startTime)})
                               .c_str());
    }
}

}  // namespace

int RunPlan(int argc, char** argv) {
    TimerFileContent content;
    if (const std::optional<int> exitStatus = ReadTimerFileOperand(argc, argv, "plan", Usage().c_str(), content))
        return *exitStatus;
    PrintPlan(content);
    return 0;
}

}  // namespace cv
