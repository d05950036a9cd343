#pragma once
// For the commands whose one operand is a timer file (show, plan): the
// arguments walked, the file read, and a refusal told on stderr.

#include <optional>

#include "core/timerfile/timer_file.h"

namespace cv {

// Reads the FILE among argv into content and returns nothing, or returns the
// status to exit with: 0 after --help, 1 when the file is refused, 2 on a
// usage mistake (each with its text already printed). A file converted from
// another editor's encoding is told on stderr.
std::optional<int> ReadTimerFileOperand(int argc, char** argv, const char* command, const char* usage,
                                        TimerFileContent& content);

// Says on stderr what a load converted (DescribeTimerFileConversion), if anything.
void TellConversion(const TimerFileContent& content, const std::string& path);

}  // namespace cv
