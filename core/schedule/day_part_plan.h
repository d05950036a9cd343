#pragma once
// The day-part plan, CVTimerDayParts.ini: which timer file the unit should
// hold at each part of the day and the week. A site edits it in Notepad or
// deploys it as a file, so it is read as the timer files are (UTF-8 with or
// without a byte order mark, else Windows-1252), and anything the program
// cannot be sure of is refused with the line and what to write instead.
//
//   [Breakfast]          one section per day part, named as the site likes
//   Start=5:30 AM        "5:30 AM" or "17:30"
//   Days=Mon-Fri         Mon..Sun, ranges (Fri-Mon wraps), lists, "Every day"
//   Sheet=breakfast.csv  relative to the plan's folder, or absolute
//
//   [Christmas Eve]
//   Start=2:00 PM
//   Dates=2026-12-24     on these dates instead of on weekdays
//   Sheet=closing.csv
//
//   [Plan]               the plan's own settings, both optional
//   Closed=2026-12-25    no part starts on these dates
//   Port=2               the unit's Comm Port, else the one chosen in CVTimerSystem.ini
//
// A part lasts until the next one starts, whatever the day, so parts can
// neither overlap nor leave gaps. On a date that any part names in Dates=,
// only the dated parts start.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/plan_words.h"

namespace cv {

inline constexpr const char* kDayPartPlanFileName = "CVTimerDayParts.ini";
// A plan of a few dozen parts fills a few kilobytes; anything far beyond is not one.
inline constexpr std::size_t kDayPartPlanLimit = 256 * 1024;

struct DayPart {
    std::string name;        // the section's name, UTF-8
    MinutesOfDay start = 0;  // minutes after midnight, below one day
    WeekdaySet days = 0;     // the weekdays it starts on; 0 for a dated part
    std::vector<CivilDate> dates;  // the dates it starts on instead
    std::string sheet;       // the timer file as written
    int line = 0;            // the line of its [section], 0 for a part not read from a file

    friend bool operator==(const DayPart&, const DayPart&) = default;
};

struct DayPartPlan {
    std::vector<DayPart> parts;     // in the file's order
    std::vector<CivilDate> closed;  // dates on which no part starts
    int port = 0;                   // [Plan] Port=, 0 when not given
};

struct DayPartPlanReading {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Refused;
    DayPartPlan plan;
    // When refused: one sentence naming the file, the line and what is wrong,
    // and what to write instead.
    std::string problem;
    int line = 0;  // the line the problem is on; 0 when it is the whole file's
};

// The plan in folder.
std::string DayPartPlanPathIn(const std::string& folder);

// The plan in a file's bytes; path names it in messages.
DayPartPlanReading ParseDayPartPlan(std::string_view bytes, const std::string& path);

// The plan at path; a missing file is Missing, one that cannot be read is
// Refused with the system's reason.
DayPartPlanReading ReadDayPartPlan(const std::string& path);

// The timer file of a part: its Sheet= taken from the plan's folder when relative.
std::string SheetPathOf(const std::string& planPath, const DayPart& part);

// The plan's text with `plan` written into it: the [Plan] section and each
// part's section take their new values where they stand, a part's
// section is found under its old name (oldNames[i] for plan.parts[i], "" for
// a new part, added at the end), a section whose part is gone is dropped, and
// comments and blank lines stay. A value that still reads the same is kept
// as written ("05:30" stays "05:30").
std::string UpdateDayPartPlanText(std::string_view oldText, const DayPartPlan& plan,
                                  const std::vector<std::string>& oldNames);

// Writes `plan` into the file at path (UpdateDayPartPlanText over what is
// there), replacing it in one step as the settings file is replaced; "" when
// written, else a sentence naming the file and the system's reason, the old
// file left as it was.
std::string WriteDayPartPlan(const std::string& path, const DayPartPlan& plan, const std::vector<std::string>& oldNames);

}  // namespace cv
