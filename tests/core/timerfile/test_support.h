#pragma once
// Shared by the timer file tests: the default sheet's records.

#include "core/timers/timer_table.h"
#include "tests/temp_folder.h"

namespace cv {

inline TimerRecords DefaultRecords() {
    TimerRecords records;
    for (int i = 0; i < kTimerCount; ++i) records[i] = RecordFromTexts(DefaultColumnTexts(i));
    return records;
}

}  // namespace cv
