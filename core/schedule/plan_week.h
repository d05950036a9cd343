#pragma once
// A week of the day-part plan as people read it: each day with its changes,
// and what makes the day special (closed, dated parts only, a clock change).
// cvtimerctl dayparts show --week and the Day Parts window both show it.

#include <string>
#include <vector>

#include "core/schedule/day_part_decision.h"
#include "core/timers/clock_text.h"

namespace cv {

struct PlanDay {
    CivilDate date;
    bool closed = false;      // a Closed= date: no part starts
    bool datedOnly = false;   // a date some part names in Dates=: only those parts start
    long offsetAtStart = 0;   // the zone's offset from UTC as the day begins
    long offsetAtEnd = 0;     // and as it ends: different on a day the clocks change
    std::vector<PartStart> starts;

    bool ClockChanges() const { return offsetAtStart != offsetAtEnd; }
};

// The seven days from `first` on.
std::vector<PlanDay> PlanWeek(const DayPartPlan& plan, const CivilDate& first, const LocalZone& zone);

}  // namespace cv
