#pragma once
// What the unit should hold at a moment, and whether the plan must send it.
// Pure: the moment, the zone, the record of sends and the due sheet come in
// as arguments, so a run decides from what is, never from which alarm woke
// it, and a late, missed, repeated or doubled run does the right thing.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/record/send_entry.h"
#include "core/record/unit_holdings.h"
#include "core/schedule/day_part_plan.h"

namespace cv {

// How far back a run looks for the part that is due.
inline constexpr int kDayPartLookBackDays = 8;

// One start of a part: on which day's wall clock, and the moment it falls due.
struct PartStart {
    int part = -1;  // index into the plan's parts
    CivilDate date;
    std::time_t at = 0;
    friend bool operator==(const PartStart&, const PartStart&) = default;
};

// The parts that start on date, in the order they fall due. On a closed date
// none; on a date some part names in Dates=, only those parts. A start in the
// hour a change to summer time skips falls due at the change; two starts
// that fall due at the same moment that way keep only the later one on the
// wall clock, whose part then holds.
std::vector<PartStart> StartsOn(const DayPartPlan& plan, const CivilDate& date, const LocalZone& zone);

// Every start after `from` and at or before `to`, in order.
std::vector<PartStart> StartsBetween(const DayPartPlan& plan, std::time_t from, std::time_t to, const LocalZone& zone);

struct DuePart {
    std::optional<PartStart> due;   // the latest start at or before the moment, within the days looked back
    std::optional<PartStart> next;  // the first start after it, within a year
};
DuePart FindDuePart(const DayPartPlan& plan, std::time_t now, const LocalZone& zone);

enum class PlanVerdict {
    Held,        // the unit holds the due part's ten timers already
    HeldByHand,  // a send by hand since the part started: the manager's choice stands until the next part
    Send,        // the due part's timers go to the unit now
};

struct PlanDecision {
    PlanVerdict verdict = PlanVerdict::Send;
    std::string byHandWhen;  // HeldByHand: when that send was made
    // Starts whose whole span went by since the plan last recorded a run for
    // this unit: they are noted, never sent.
    std::vector<PartStart> missed;
};

// Whether the unit holds exactly these ten timers, by the record: every
// field the same, none "not known".
bool UnitHoldsTimers(const UnitHoldings& holdings, const TimerRecords& timers);

// Whether the newest entries of the record (oldest first) hold all that
// DecideDayPartSend needs for the start due at dueAt: what the unit holds
// (each part of each timer reached by some entry), every entry since that
// start, and the plan's last run for the unit or the days looked back.
bool RecordTellsEnough(const std::vector<SendEntry>& newest, const UnitChoice& unit, std::time_t dueAt);

// The decision for the due start, with the unit's entries of the record
// (oldest first) and the timers of the due part's sheet.
PlanDecision DecideDayPartSend(const DayPartPlan& plan, const PartStart& due, const std::vector<SendEntry>& record,
                               const UnitChoice& unit, const TimerRecords& sheet, const LocalZone& zone);

// The time stamp a start falls due at, in the zone: "2026-12-10 10:30:00 -05:00".
std::string DueStamp(const PartStart& start, const LocalZone& zone);

// "Breakfast, due 2026-12-10 05:30:00 -05:00", as the record notes a missed part.
std::string MissedText(const DayPartPlan& plan, const PartStart& start, const LocalZone& zone);

}  // namespace cv
