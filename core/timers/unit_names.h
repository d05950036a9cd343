#pragma once
// Which names a Corvellan unit can take. The sheet marks a field that breaks
// the rule as it is typed, and a send refuses such a name before anything
// goes on the line, so both read the rule from here.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/timers/timer_record.h"

namespace cv {

// How much of a name goes on the line; the rest is cut off when it is sent.
inline constexpr std::size_t kUnitNameChars = 19;

// A unit finds a message by its braces, so a "{" or "}" inside the name would
// end the frame early, and a control character (below 0x20, or 0x7F) is no
// text a unit can show. Returns the position of the first such character in
// the part of the name that goes on the line (its first kUnitNameChars
// characters); nullopt when the name can be sent. A name is checked before
// anything is sent and never sent with such a character.
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

// What is about to happen to the names.
enum class NameUse { Save, Send };

// Why the ten names, as the sheet shows them (UTF-8), may not be saved or
// sent: the first that holds a character Latin-1 lacks and no plain form
// stands in for (unit_text.h), which would otherwise reach the file or the
// unit as "?"; nullopt when every name can go.
std::optional<std::string> FindForeignName(const std::array<std::string, kTimerCount>& names, NameUse use);

}  // namespace cv
