#pragma once
// Dates and wall-clock times as a kitchen's calendar and clock show them, and
// the moments they stand for in the PC's time zone. Decisions take the zone as
// an argument, so that a test can give them New York's or Paris's clock
// changes whatever zone the machine is in.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace cv {

// A day of the proleptic Gregorian calendar.
struct CivilDate {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

// Days from 1970-01-01 to date, and back.
long long DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(long long days);

inline CivilDate AddDays(const CivilDate& date, long long days) { return CivilFromDays(DaysFromCivil(date) + days); }

// 0 for Monday to 6 for Sunday.
int WeekdayOf(const CivilDate& date);

// "2026-12-24": four digits of year, two of month and day, a date that exists.
std::optional<CivilDate> ParseIsoDate(std::string_view text);
std::string FormatIsoDate(const CivilDate& date);

// A time zone as decisions need it: how far ahead of UTC its clocks are at a
// moment, in seconds (New York in winter: -18000).
class LocalZone {
public:
    virtual ~LocalZone() = default;
    virtual long OffsetAt(std::time_t moment) const = 0;
};

// The PC's own time zone, as the system's local time functions know it.
class SystemZone : public LocalZone {
public:
    long OffsetAt(std::time_t moment) const override;
};

// A moment as the wall clock of a zone shows it.
struct WallClock {
    CivilDate date;
    int minuteOfDay = 0;  // 0 to 1439
    int second = 0;
    long offset = 0;  // seconds ahead of UTC
};
WallClock WallClockAt(std::time_t moment, const LocalZone& zone);

// The moment the wall clock first shows minuteOfDay on date. A minute that a
// change to summer time skips falls due at the change itself, which the clock
// shows as the first minute after the gap; a minute that the change back shows
// twice falls due at its first showing.
std::time_t MomentOfWallClock(const CivilDate& date, int minuteOfDay, const LocalZone& zone);

}  // namespace cv
