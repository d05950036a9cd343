#include "core/device/timer_messages.h"

#include <cstdio>

#include "core/timers/unit_names.h"

namespace cv {

std::string BuildSettingsMessage(int timerIndex, const TimerRecord& record) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "{86,%1d,%1d,%04d,%04d,%04d}", timerIndex, record.priority,
                  static_cast<int>(record.startTime), static_cast<int>(record.repeatInterval),
                  static_cast<int>(record.snoozeTime));
    return buffer;
}

std::string NameOnLine(const TimerRecord& record) {
    std::string name = record.name.substr(0, kUnitNameChars);
    name.resize(20, ' ');
    return name;
}

std::string BuildNameMessage(int timerIndex, const TimerRecord& record) {
    return "{87," + std::to_string(timerIndex) + "," + NameOnLine(record) + "}";
}

}  // namespace cv
