#pragma once
// One timer as the program holds it: what a column of the sheet, a line of a
// timer file and a pair of messages to the unit all describe.

#include <array>
#include <cstdint>
#include <string>

namespace cv {

// Minutes after midnight for a start time, plain minutes for an interval.
using MinutesOfDay = std::uint16_t;

inline constexpr int kTimerCount = 10;

struct TimerRecord {
    std::string name;  // exactly as typed, blanks kept
    MinutesOfDay startTime = 0;
    MinutesOfDay repeatInterval = 0;
    MinutesOfDay snoozeTime = 0;
    std::int32_t priority = 0;

    friend bool operator==(const TimerRecord&, const TimerRecord&) = default;
};

// Index 0 is the column captioned "Timer 1".
using TimerRecords = std::array<TimerRecord, kTimerCount>;

}  // namespace cv
