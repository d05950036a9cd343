#include "core/schedule/plan_week.h"

#include <algorithm>
#include <cstdio>

#include "core/language/tr.h"
#include "core/timers/sentence.h"

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

std::string WeekdayName(int weekday) {
    switch (((weekday % 7) + 7) % 7) {
        case 0: return Tr("Weekday", "Mon");
        case 1: return Tr("Weekday", "Tue");
        case 2: return Tr("Weekday", "Wed");
        case 3: return Tr("Weekday", "Thu");
        case 4: return Tr("Weekday", "Fri");
        case 5: return Tr("Weekday", "Sat");
        default: return Tr("Weekday", "Sun");
    }
}

std::string DayLabel(const CivilDate& date) {
    return FillPlaceholders(Tr("Weekday", "%1 %2"), {WeekdayName(WeekdayOf(date)), FormatIsoDate(date)});
}

std::string OffsetText(long offsetSeconds) {
    const long minutes = (offsetSeconds < 0 ? -offsetSeconds : offsetSeconds) / 60;
    char text[40];
    std::snprintf(text, sizeof text, "%c%02ld:%02ld", offsetSeconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

}  // namespace cv
