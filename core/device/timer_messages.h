#pragma once
// The two messages that carry one timer to the unit. Each is answered by a
// single acknowledgement byte.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/timers/timer_record.h"

namespace cv {

inline constexpr char kAcknowledgement = 'g';

// "{86,i,priority,start,interval,snooze}", times zero-padded to four digits:
// "{86,0,1,0360,0030,0003}".
std::string BuildSettingsMessage(int timerIndex, const TimerRecord& record);

// "{87,i,name}" with the name cut to its first 19 characters and padded with
// blanks to 20, so the message is always 27 characters long.
std::string BuildNameMessage(int timerIndex, const TimerRecord& record);

// A unit finds a message by its braces, so a "{" or "}" inside the name would
// end the frame early, and a control character (below 0x20, or 0x7F) is no
// text a unit can show. Returns the position of the first such character in
// the part of the name that goes on the line (its first 19 characters);
// nullopt when the name can be sent. A name is checked before anything is
// sent and never sent with such a character.
std::optional<std::size_t> FindUnsendableCharacter(std::string_view name);

// Why the ten timers may not go out: DescribeUnsendableName for the first
// name that holds such a character; nullopt when all ten can be sent. The
// check comes before anything is sent, since the unit would acknowledge a
// name message its braces had cut short.
std::optional<std::string> FindUnsendableName(const std::array<std::string, kTimerCount>& names);

// "\"}\"" for a brace, "a control character (0x09)" for anything else.
std::string DescribeUnsendableCharacter(char character);

// "Timer 3's name holds "}" at character 13, which a Corvellan unit cannot
// take ..." for the position FindUnsendableCharacter found in name.
std::string DescribeUnsendableName(int timerIndex, std::string_view name, std::size_t position);

}  // namespace cv
