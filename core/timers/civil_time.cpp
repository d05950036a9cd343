#include "core/timers/civil_time.h"

#include <cstdio>

#include "core/platform/local_user.h"

namespace cv {

namespace {

constexpr long long kSecondsPerDay = 86400;

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The wall clock's reading, counted in seconds as if it were UTC.
long long WallSeconds(const CivilDate& date, int minuteOfDay) {
    return DaysFromCivil(date) * kSecondsPerDay + minuteOfDay * 60LL;
}

}  // namespace

long long DaysFromCivil(const CivilDate& date) {
    const long long year = date.year - (date.month <= 2);
    const long long era = FloorDiv(year, 400);
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const auto month = static_cast<unsigned>(date.month);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(date.day) - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

CivilDate CivilFromDays(long long days) {
    days += 719468;
    const long long era = FloorDiv(days, 146097);
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const auto month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const auto year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (month <= 2));
    return {year, month, day};
}

int WeekdayOf(const CivilDate& date) {
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((DaysFromCivil(date) + 3) % 7 + 7) % 7);
}

std::optional<CivilDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int value[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int part = 0; part < 3; ++part) {
        for (std::size_t i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            value[part] = value[part] * 10 + (text[i] - '0');
        }
    }
    const CivilDate date{value[0], value[1], value[2]};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string FormatIsoDate(const CivilDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

long SystemZone::OffsetAt(std::time_t moment) const {
    std::tm local{};
    if (!LocalCalendarTime(moment, local)) return 0;
    const CivilDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    const long long wall = WallSeconds(date, local.tm_hour * 60 + local.tm_min) + local.tm_sec;
    return static_cast<long>(wall - static_cast<long long>(moment));
}

WallClock WallClockAt(std::time_t moment, const LocalZone& zone) {
    WallClock clock;
    clock.offset = zone.OffsetAt(moment);
    const long long wall = static_cast<long long>(moment) + clock.offset;
    const long long days = FloorDiv(wall, kSecondsPerDay);
    const long long secondOfDay = wall - days * kSecondsPerDay;
    clock.date = CivilFromDays(days);
    clock.minuteOfDay = static_cast<int>(secondOfDay / 60);
    clock.second = static_cast<int>(secondOfDay % 60);
    return clock;
}

std::time_t MomentOfWallClock(const CivilDate& date, int minuteOfDay, const LocalZone& zone) {
    const long long wall = WallSeconds(date, minuteOfDay);
    // A zone is never a day ahead of or behind UTC, and changes its offset at
    // most once in two days: the offsets a day either side are the one before
    // and the one after any change that concerns this minute.
    const long before = zone.OffsetAt(static_cast<std::time_t>(wall - kSecondsPerDay));
    const long after = zone.OffsetAt(static_cast<std::time_t>(wall + kSecondsPerDay));
    const auto shows = [&](long long moment) {
        return moment + zone.OffsetAt(static_cast<std::time_t>(moment)) == wall;
    };
    const long long early = wall - before, late = wall - after;
    const bool earlyShows = shows(early), lateShows = shows(late);
    if (earlyShows && lateShows) return static_cast<std::time_t>(early < late ? early : late);
    if (earlyShows) return static_cast<std::time_t>(early);
    if (lateShows) return static_cast<std::time_t>(late);
    // In the gap: the clock jumped from before to after between `late` and
    // `early`. The first moment with the new offset is the change itself.
    long long low = late < early ? late : early, high = late < early ? early : late;
    while (low < high) {
        const long long middle = low + (high - low) / 2;
        if (zone.OffsetAt(static_cast<std::time_t>(middle)) == after) high = middle;
        else low = middle + 1;
    }
    return static_cast<std::time_t>(low);
}

}  // namespace cv
