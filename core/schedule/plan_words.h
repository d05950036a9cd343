#pragma once
// The values a day-part plan is written in: start times, days of the week and
// dates. The words are English in every language, as the settings file's are,
// so that one plan serves every store of a chain.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/timers/civil_time.h"
#include "core/timers/timer_record.h"

namespace cv {

// Days of the week as bits: bit 0 Monday to bit 6 Sunday.
using WeekdaySet = unsigned;
inline constexpr WeekdaySet kEveryDay = 0x7F;
inline constexpr WeekdaySet WeekdayBit(int weekday) { return 1u << weekday; }

// "5:30 AM", "5:30am", "5 PM" or "17:30": a time of the day on either clock,
// read as the sheet reads it. Nothing for anything else, also for a bare
// number, which the sheet takes as minutes after midnight, and for a time the
// sheet would read otherwise than a person does ("18 h 30", "6:30 p. m.").
std::optional<MinutesOfDay> ParsePlanStart(std::string_view text);

// "5:30 AM", "12:00 PM", "10:05 PM": the 12-hour clock without a leading zero.
std::string FormatPlanStart(MinutesOfDay start);

// "Mon-Fri", "Fri-Mon" (a range may wrap past Sunday), "Fri, Sat", "Mon Wed",
// "Every day"; three letters or the whole English name, in any letter case.
// On failure, `wrong` is the word that is not a day.
std::optional<WeekdaySet> ParsePlanDays(std::string_view text, std::string& wrong);

// The shortest form ParsePlanDays reads back: "Every day", "Mon-Fri",
// "Fri-Mon", "Sat, Sun"; "" for no day.
std::string FormatPlanDays(WeekdaySet days);

// "Mon" to "Sun" for 0 to 6.
std::string WeekdayWord(int weekday);

// "2026-12-24, 2027-01-01": ISO dates separated by commas or blanks, in any
// order. On failure, `wrong` is the text that is not a date.
std::optional<std::vector<CivilDate>> ParsePlanDates(std::string_view text, std::string& wrong);

// Sorted, each once, separated by ", ".
std::string FormatPlanDates(std::vector<CivilDate> dates);

}  // namespace cv
