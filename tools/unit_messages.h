#pragma once
// What the simulated unit makes of the two messages a timer travels as:
//   settings  "{86,i,p,ssss,rrrr,zzzz}"  index, priority, start, repeat, snooze
//   name      "{87,i,<20 characters>}"   the name left-justified, blank-padded
// Decoding is strict: a message the program should never send is rejected, so
// that a fault in the sender shows up as an incomplete timer.

#include <optional>
#include <string>
#include <string_view>

namespace cv {

// One timer as the unit has received it. `index` is 0 to 9; the name has its
// trailing blanks trimmed, the way the unit shows it.
struct UnitTimer {
    int index;
    std::string name;
    int startTime;
    int repeatInterval;
    int snoozeTime;
    int priority;
};

struct SettingsMessage {
    int index;
    int priority;
    int startTime;
    int repeatInterval;
    int snoozeTime;
};

struct NameMessage {
    int index;
    std::string name;  // trailing blanks trimmed
};

// Index: one digit. Priority: an optional '-' and digits within 32 bits.
// Times: 4 or 5 digits, at most 65535. Nothing before '{' or after '}'.
std::optional<SettingsMessage> DecodeSettingsMessage(std::string_view message);

// Index: one digit. Name field: exactly 20 characters of any kind.
std::optional<NameMessage> DecodeNameMessage(std::string_view message);

// e.g. Timer 1 "Hands Washing": start 06:00 AM, repeat 00:30 AM (30 min),
//      snooze 00:03 AM (3 min), priority 1
// Times read as the sheet shows them; intervals also as plain minutes.
std::string DescribeTimer(const UnitTimer& timer);

// Text safe for a terminal: printable ASCII as is, any other byte as \xNN.
std::string EscapeForDisplay(std::string_view bytes);

}  // namespace cv
