#pragma once
// The day the ten timers make: when each one reminds, and the minutes at
// which several remind together. The window, the printed page and the
// command line all show this one reading.

#include <string>
#include <vector>

#include "core/timers/timer_record.h"

namespace cv {

// How the plan reads the timers, in the words shown beside it, in the user's
// language (UTF-8).
std::string DayPlanReading();

struct Reminder {
    int minute = 0;  // of the day, 0 to 1439
    int timerIndex = 0;
    friend bool operator==(const Reminder&, const Reminder&) = default;
};

// One minute and the timers that remind at it, in column order.
struct PlanMinute {
    int minute = 0;
    std::vector<int> timerIndexes;
    friend bool operator==(const PlanMinute&, const PlanMinute&) = default;
};

struct DayPlan {
    std::vector<Reminder> reminders;   // by minute, then by column
    std::vector<PlanMinute> clashes;   // minutes with two or more timers, in order
    std::vector<int> outsideDay;       // timers whose start is 24 hours or later
};

// Each timer reminds at its start time and then every repeat interval after
// it, while the time is before midnight. An interval of 0 reminds once; a
// start of 24 hours or more lies outside the day and gives no reminder.
DayPlan PlanDay(const TimerRecords& timers);

// Every minute with at least one reminder, in order.
std::vector<PlanMinute> MinutesWithReminders(const DayPlan& plan);

// The name as people read it: outer blanks dropped, "Timer n" for a blank one.
std::string PlanName(const TimerRecords& timers, int timerIndex);

// "06:30 AM  Travel Path, Temp Check/PHU": the time on the 12-hour clock, two
// blanks, the names separated by commas.
std::string PlanLine(int minute, const std::vector<std::string>& names);

}  // namespace cv
