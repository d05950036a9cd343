#include "core/timers/clock_text.h"

#include <cstdio>

#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

std::string FormatClockTime(int minuteOfDay) {
    const int m = ((minuteOfDay % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    const int hour = m / 60;
    const int dialHour = hour % 12 == 0 ? 12 : hour % 12;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d %s", dialHour, m % 60, hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string FormatDuration(MinutesOfDay minutes) {
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    if (hours == 0) return std::to_string(rest) + " min";
    if (rest == 0) return std::to_string(hours) + " h";
    return std::to_string(hours) + " h " + std::to_string(rest) + " min";
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
