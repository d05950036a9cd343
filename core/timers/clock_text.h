#pragma once
// Times written for people who read them off a page or a screen rather than
// type them: the usual 12-hour clock ("12:30 PM", "12:00 AM") and plain
// durations ("2 h 30 min"). The sheet's own fields keep the codec's form.

#include <string>

#include "core/timers/civil_time.h"
#include "core/timers/timer_record.h"

namespace cv {

inline constexpr int kMinutesPerDay = 24 * 60;

// "hh:mm AM" or "hh:mm PM" on the 12-hour clock: midnight is "12:00 AM",
// noon "12:00 PM". minuteOfDay is taken modulo one day.
std::string FormatClockTime(int minuteOfDay);

// "2 h 30 min", "45 min", "4 h", "0 min".
std::string FormatDuration(MinutesOfDay minutes);

// "Mon" to "Sun" for 0 to 6, in the user's language.
std::string WeekdayName(int weekday);

// "Thu 2026-12-10", in the user's language.
std::string DayLabel(const CivilDate& date);

// "+01:00", "-04:00".
std::string OffsetText(long offsetSeconds);

}  // namespace cv
