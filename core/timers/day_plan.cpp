#include "core/timers/day_plan.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/timers/unit_text.h"
#include "core/timers/utf8_text.h"

#include <algorithm>

#include "core/timers/clock_text.h"

namespace cv {

DayPlan PlanDay(const TimerRecords& timers) {
    DayPlan plan;
    for (int t = 0; t < kTimerCount; ++t) {
        const TimerRecord& timer = timers[static_cast<std::size_t>(t)];
        if (timer.startTime >= kMinutesPerDay) {
            plan.outsideDay.push_back(t);
            continue;
        }
        for (int minute = timer.startTime; minute < kMinutesPerDay; minute += timer.repeatInterval) {
            plan.reminders.push_back({minute, t});
            if (timer.repeatInterval == 0) break;
        }
    }
    std::sort(plan.reminders.begin(), plan.reminders.end(), [](const Reminder& a, const Reminder& b) {
        return a.minute != b.minute ? a.minute < b.minute : a.timerIndex < b.timerIndex;
    });
    for (const PlanMinute& minute : MinutesWithReminders(plan)) {
        if (minute.timerIndexes.size() >= 2) plan.clashes.push_back(minute);
    }
    return plan;
}

std::vector<PlanMinute> MinutesWithReminders(const DayPlan& plan) {
    std::vector<PlanMinute> minutes;
    for (const Reminder& reminder : plan.reminders) {
        if (minutes.empty() || minutes.back().minute != reminder.minute) minutes.push_back({reminder.minute, {}});
        minutes.back().timerIndexes.push_back(reminder.timerIndex);
    }
    return minutes;
}

std::string DayPlanReading() {
    return Tr("DayPlan", "each timer from its Start Time, every Repeat Interval, until midnight");
}

std::string PlanName(const TimerRecords& timers, int timerIndex) {
    const std::string& name = timers[static_cast<std::size_t>(timerIndex)].name;
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) {
        // Names are Latin-1 here.
        const std::string number = std::to_string(timerIndex + 1);
        return Latin1TextOr(FillPlaceholders(Tr("TimerList", "Timer %1"), {number}), "Timer " + number);
    }
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

std::string PlanLine(int minute, const std::vector<std::string>& names) {
    std::string line = FormatClockTime(minute) + "  ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) line += ", ";
        line += names[i];
    }
    return line;
}

}  // namespace cv
