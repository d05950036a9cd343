#pragma once
// The words and cells of the record's report (record_report.h): time stamps
// as the rest of cvtimerctl shows times, how a send came about, the timers'
// cells, and the parts of them the record does not know.

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/record/unit_holdings.h"

namespace cv {

// A record's time stamp taken apart: its local date, its minute of the day,
// its offset from UTC ("-05:00") and the moment it stands for.
struct ReportStamp {
    std::string date;
    int minuteOfDay = 0;
    std::string offset;
    std::time_t moment = 0;
};
ReportStamp ReportStampOf(std::string_view stamp);

// "10:55 AM"; "Thu 2026-03-05"; "Thu 2026-03-05 10:55 AM".
std::string StampClock(std::string_view stamp);
std::string StampDay(std::string_view stamp);
std::string StampDayAndClock(std::string_view stamp);

std::vector<std::string> TimelineHeadings();
// Timer, Name, Start, Repeat, Snooze, Priority, and with `withSent` Sent.
std::vector<std::string> TimerHeadings(bool withSent);
// The six cells of a timer as the unit holds it: "not known" for a part it may not hold.
std::vector<std::string> TimerCells(int index, const HeldTimer& timer);

// "Timers 4 to 10 and Timer 3's name": the parts of the timers not known; "" when all are.
std::string NotKnownParts(const std::array<HeldTimer, kTimerCount>& timers);

// Where the known parts came from, one item per send: "lunch.csv, Mon 2026-03-09 10:30 AM".
std::string HeldSources(const std::array<HeldTimer, kTimerCount>& timers);

// "by hand, ben"; "day-part plan: Lunch, due 10:30 AM, 12 min late".
std::string DescribeHow(const SendEntry& entry);

// "port 1 (/dev/ttyUSB0)", the device the newest send to the port reached;
// "port 1"; or the device.
std::string DescribeUnit(const UnitChoice& unit, const std::vector<SendEntry>& entries);

}  // namespace cv
