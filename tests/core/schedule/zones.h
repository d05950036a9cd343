#pragma once
// Time zones with both clock changes of 2026, given as tables, so that the
// day-part decisions meet New York's and Paris's summer time on any machine.

#include <ctime>
#include <utility>
#include <vector>

#include "core/timers/civil_time.h"

namespace cv::schedule_test {

class TableZone : public LocalZone {
public:
    // offset before the first change; each change: the UTC moment and the offset from then on.
    TableZone(long first, std::vector<std::pair<std::time_t, long>> changes) : first_(first), changes_(std::move(changes)) {}
    long OffsetAt(std::time_t moment) const override {
        long offset = first_;
        for (const auto& [at, after] : changes_) {
            if (moment >= at) offset = after;
        }
        return offset;
    }

private:
    long first_;
    std::vector<std::pair<std::time_t, long>> changes_;
};

// The UTC moment of a wall reading given as UTC ("2026-03-08", 7:00 -> 07:00 UTC).
inline std::time_t Utc(int year, int month, int day, int hour, int minute = 0) {
    return static_cast<std::time_t>(DaysFromCivil({year, month, day}) * 86400 + hour * 3600 + minute * 60);
}

// America/New_York in 2026: EDT from 2026-03-08 2:00 AM EST, EST again from 2026-11-01 2:00 AM EDT.
inline const TableZone& NewYork() {
    static const TableZone zone(-5 * 3600, {{Utc(2026, 3, 8, 7), -4 * 3600}, {Utc(2026, 11, 1, 6), -5 * 3600}});
    return zone;
}

// Europe/Paris in 2026: CEST from 2026-03-29 2:00 AM CET, CET again from 2026-10-25 3:00 AM CEST.
inline const TableZone& Paris() {
    static const TableZone zone(3600, {{Utc(2026, 3, 29, 1), 2 * 3600}, {Utc(2026, 10, 25, 1), 3600}});
    return zone;
}

// A wall-clock reading of the zone: the moment it first shows it.
inline std::time_t At(const LocalZone& zone, int year, int month, int day, int hour, int minute = 0) {
    return MomentOfWallClock({year, month, day}, hour * 60 + minute, zone);
}

}  // namespace cv::schedule_test
