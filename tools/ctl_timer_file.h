#pragma once
// For the commands whose one operand is a timer file (show, plan): the
// arguments walked, the file read, and a refusal told on stderr.

#include <optional>

#include "core/timers/timer_record.h"

namespace cv {

// Fills timers from the FILE among argv and returns nothing, or returns the
// status to exit with: 0 after --help, 1 when the file is refused, 2 on a
// usage mistake (each with its text already printed).
std::optional<int> ReadTimerFileOperand(int argc, char** argv, const char* command, const char* usage,
                                        TimerRecords& timers);

}  // namespace cv
