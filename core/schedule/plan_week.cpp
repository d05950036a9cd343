#include "core/schedule/plan_week.h"

#include <algorithm>

namespace cv {

std::vector<PlanDay> PlanWeek(const DayPartPlan& plan, const CivilDate& first, const LocalZone& zone) {
    std::vector<PlanDay> week;
    for (int offset = 0; offset < 7; ++offset) {
        PlanDay day;
        day.date = AddDays(first, offset);
        day.closed = std::find(plan.closed.begin(), plan.closed.end(), day.date) != plan.closed.end();
        day.datedOnly = std::any_of(plan.parts.begin(), plan.parts.end(), [&](const DayPart& part) {
            return std::find(part.dates.begin(), part.dates.end(), day.date) != part.dates.end();
        });
        day.offsetAtStart = zone.OffsetAt(MomentOfWallClock(day.date, 0, zone));
        day.offsetAtEnd = zone.OffsetAt(MomentOfWallClock(AddDays(day.date, 1), 0, zone) - 1);
        day.starts = StartsOn(plan, day.date, zone);
        week.push_back(std::move(day));
    }
    return week;
}

}  // namespace cv
