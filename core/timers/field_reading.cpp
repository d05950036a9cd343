#include "core/timers/field_reading.h"

#include <algorithm>
#include <optional>

#include "core/timers/clock_text.h"
#include "core/timers/lenient_number.h"
#include "core/timers/time_text.h"
#include "core/timers/unit_names.h"

namespace cv {

namespace {

// Which fields a check looks at: one bit per row of a column.
using FieldSet = unsigned;
constexpr FieldSet Bit(TimerField field) { return 1u << static_cast<unsigned>(field); }
constexpr FieldSet kNameField = Bit(TimerField::Name);
constexpr FieldSet kStartField = Bit(TimerField::StartTime);
constexpr FieldSet kTimeFields = kStartField | Bit(TimerField::RepeatInterval) | Bit(TimerField::SnoozeTime);
constexpr FieldSet kPriorityField = Bit(TimerField::Priority);

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::string Quoted(std::string_view text) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "\"" + std::string.
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

std::optional<std::string> NoNumberInTime(std::string_view text) {
    if (std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    if (IsBlank(text)) return "The field is empty, so it reads as 0.";
    return "There is no number in " + Quoted(text) + ", so it reads as 0.";
}

std::optional<std::string> PriorityNotADigit(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return std::nullopt;
    if (IsBlank(text)) return "The field is empty, so it reads as 0.";
    return "A Message Priority is one digit, 0 to 9; " + Quoted(text) + " reads as " +
           std::to_string(LenientAtoi(text)) + ".";
}

std::optional<std::string> StartOutsideTheDay(std::string_view text) {
    if (ParseTimeText(text) < kMinutesPerDay) return std::nullopt;
    return "A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.";
}

std::optional<std::string> UnsendableName(std::string_view text) {
    const std::optional<std::size_t> position = FindUnsendableCharacter(text);
    if (!position) return std::nullopt;
    return "Character " + std::to_string(*position + 1) + " of the name is " +
           DescribeUnsendableCharacter(text[*position]) +
           ", which a Corvellan unit cannot take: Send Timers refuses to send until it is changed.";
}

// One doubt: the fields it looks at and the check itself, which says why the
// text cannot be what was meant, or nothing. A new doubt is one more row.
struct DoubtCheck {
    FieldSet fields;
    std::optional<std::string> (*check)(std::string_view text);
};

constexpr DoubtCheck kDoubtChecks[] = {
    {kTimeFields, NoNumberInTime},
    {kPriorityField, PriorityNotADigit},
    {kStartField, StartOutsideTheDay},
    {kNameField, UnsendableName},
};

std::string Minutes(int count) { return std::to_string(count) + (count == 1 ? " minute" : " minutes"); }

std::string ReadingOf(TimerField field, std::string_view text) {
    if (field == TimerField::Name) return "";
    if (field == TimerField::Priority) return std::to_string(LenientAtoi(text));
    const MinutesOfDay minutes = ParseTimeText(text);
    if (field == TimerField::StartTime) {
        const std::string when = minutes < kMinutesPerDay ? FormatClockTime(minutes)
                                                          : FormatDuration(minutes) + " after midnight";
        return when + " (" + Minutes(minutes) + ")";
    }
    if (minutes == 0) {
        return field == TimerField::RepeatInterval ? "0 minutes: the timer reminds once" : "0 minutes";
    }
    return "every " + FormatDuration(minutes) + " (" + Minutes(minutes) + ")";
}

}  // namespace

FieldReading ReadFieldText(int timerIndex, TimerField field, std::string_view text) {
    FieldReading result;
    const std::string reading = ReadingOf(field, text);
    if (!reading.empty()) {
        result.reading = std::string(FieldLabel(field)) + " of Timer " + std::to_string(timerIndex + 1) +
                         " reads as " + reading;
    }
    for (const DoubtCheck& doubt : kDoubtChecks) {
        if ((doubt.fields & Bit(field)) == 0) continue;
        if (std::optional<std::string> why = doubt.check(text)) result.doubts.push_back(std::move(*why));
    }
    return result;
}

}  // namespace cv
