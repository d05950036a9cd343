#include "core/timers/clock_text.h"

#include <cstdio>

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

}  // namespace cv
