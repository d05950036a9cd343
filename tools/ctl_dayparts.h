#pragma once
// cvtimerctl dayparts: the day-part plan's commands, sharing their options.

#include <optional>
#include <string>

#include "tools/ctl_options.h"

namespace cv {

struct DayPartsOptions {
    std::string planPath;  // --plan, else CVTimerDayParts.ini in the current folder
    std::optional<std::string> at;  // --at "YYYY-MM-DD HH:MM"
    bool week = false;              // --week
    UnitOptions unit;               // --port, --device
};

// The --help page of `dayparts`, one text so that a language words it as a whole.
std::string DayPartsUsage();

// `dayparts run`: decides and, where needed, sends. Exit status as the usage says.
int RunDayPartsRun(const DayPartsOptions& options);

// `dayparts show`.
int RunDayPartsShow(const DayPartsOptions& options);

}  // namespace cv
