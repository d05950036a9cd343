#include "core/timers/field_reading.h"

#include "core/language/tr.h"
#include "core/language/word_list.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/timers/clock_text.h"
#include "core/timers/lenient_number.h"
#include "core/timers/sentence.h"
#include "core/timers/time_forms.h"
#include "core/timers/time_text.h"
#include "core/timers/unit_names.h"
#include "core/timers/unit_text.h"

namespace cv {

namespace {

// Which fields a check looks at: one bit per row of a column.
using FieldSet = unsigned;
constexpr FieldSet Bit(TimerField field) { return 1u << static_cast<unsigned>(field); }
constexpr FieldSet kNameField = Bit(TimerField::Name);
constexpr FieldSet kStartField = Bit(TimerField::StartTime);
constexpr FieldSet kTimeFields = kStartField | Bit(TimerField::RepeatInterval) | Bit(TimerField::SnoozeTime);
constexpr FieldSet kPriorityField = Bit(TimerField::Priority);

// A field's text as typed (UTF-8, for quoting it back) and as it will be read.
struct FieldText {
    std::string_view typed;
    UnitText unit;
};

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::optional<std::string> NoNumberInTime(const FieldText& text) {
    const std::string_view read = text.unit.latin1;
    if (std::any_of(read.begin(), read.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    if (IsBlank(read)) return Tr("FieldReading", "The field is empty, so it reads as 0.");
    return FillPlaceholders(Tr("FieldReading", "There is no number in %1, so it reads as 0."), {QuoteData(text.typed)});
}

std::optional<std::string> PriorityNotADigit(const FieldText& text) {
    const std::string_view read = text.unit.latin1;
    if (read.size() == 1 && read[0] >= '0' && read[0] <= '9') return std::nullopt;
    if (IsBlank(read)) return Tr("FieldReading", "The field is empty, so it reads as 0.");
    return FillPlaceholders(Tr("FieldReading", "A Message Priority is one digit, 0 to 9; %1 reads as %2."),
                            {QuoteData(text.typed), std::to_string(LenientAtoi(read))});
}

std::optional<std::string> StartOutsideTheDay(const FieldText& text) {
    if (ParseTimeText(text.unit.latin1) < kMinutesPerDay) return std::nullopt;
    return Tr("FieldReading", "A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.");
}

// A start time as a clock shows it; one past the day as hours after midnight.
std::string StartText(MinutesOfDay minutes) {
    if (minutes < kMinutesPerDay) return FormatClockTime(minutes);
    return FillPlaceholders(Tr("FieldReading", "%1 after midnight"), {FormatDuration(minutes)});
}

std::optional<std::string> LocalTimeMisread(const FieldText& text, std::string (*shown)(MinutesOfDay)) {
    const std::optional<MinutesOfDay> meant = MinutesMeantBy(text.unit.latin1);
    const MinutesOfDay read = ParseTimeText(text.unit.latin1);
    if (!meant || *meant == read) return std::nullopt;
    char typeInstead[16];
    std::snprintf(typeInstead, sizeof typeInstead, "%d:%02d", *meant / 60, *meant % 60);
    return FillPlaceholders(Tr("FieldReading", "\"%1\" is read as %2, not %3: type %4 for %3."),
                            {text.typed, shown(read), shown(*meant), typeInstead});
}

std::optional<std::string> StartMisread(const FieldText& text) { return LocalTimeMisread(text, StartText); }
std::optional<std::string> IntervalMisread(const FieldText& text) { return LocalTimeMisread(text, FormatDuration); }

std::optional<std::string> UnsendableName(const FieldText& text) {
    const std::optional<std::size_t> position = FindUnsendableCharacter(text.unit.latin1);
    if (!position) return std::nullopt;
    return FillPlaceholders(Tr("FieldReading", "Character %1 of the name is %2, which a Corvellan unit cannot take: "
                                               "Send Timers refuses to send until it is changed."),
                            {std::to_string(*position + 1), DescribeUnsendableCharacter(text.unit.latin1[*position])});
}

std::optional<std::string> ForeignCharacterInName(const FieldText& text) {
    if (text.unit.foreign.empty()) return std::nullopt;
    const ForeignCharacter& first = text.unit.foreign.front();
    return FillPlaceholders(Tr("FieldReading", "Character %1 of the name is %2, which a Corvellan unit cannot show: "
                                               "Save and Send Timers refuse the name until it is changed."),
                            {std::to_string(first.position + 1), DescribeCharacter(first.character)});
}

// One doubt: the fields it looks at and the check itself, which says why the
// text cannot be what was meant, or nothing. A new doubt is one more row.
struct DoubtCheck {
    FieldSet fields;
    std::optional<std::string> (*check)(const FieldText& text);
};

constexpr DoubtCheck kDoubtChecks[] = {
    {kTimeFields, NoNumberInTime},
    {kPriorityField, PriorityNotADigit},
    {kStartField, StartOutsideTheDay},
    {kStartField, StartMisread},
    {kTimeFields & ~kStartField, IntervalMisread},
    {kNameField, UnsendableName},
    {kNameField, ForeignCharacterInName},
};

// How the field reads, in one sentence naming the field and timer %1; the
// minutes take the language's plural through %n.
std::string ReadingOf(TimerField field, std::string_view text, int timerIndex) {
    const std::string timer = std::to_string(timerIndex + 1);
    if (field == TimerField::Name) return "";
    if (field == TimerField::Priority)
        return FillPlaceholders(Tr("FieldReading", "Message Priority of Timer %1 reads as %2"),
                                {timer, std::to_string(LenientAtoi(text))});
    const MinutesOfDay minutes = ParseTimeText(text);
    if (field == TimerField::StartTime) {
        return FillPlaceholders(Tr("FieldReading", "Start Time of Timer %1 reads as %2 (%n minutes)", nullptr, minutes),
                                {timer, StartText(minutes)});
    }
    const bool repeat = field == TimerField::RepeatInterval;
    if (minutes == 0) {
        return FillPlaceholders(
            repeat ? Tr("FieldReading", "Repeat Interval of Timer %1 reads as 0 minutes: the timer reminds once")
                   : Tr("FieldReading", "Snooze Time of Timer %1 reads as 0 minutes"),
            {timer});
    }
    const std::string sentence =
        repeat ? Tr("FieldReading", "Repeat Interval of Timer %1 reads as every %2 (%n minutes)", nullptr, minutes)
               : Tr("FieldReading", "Snooze Time of Timer %1 reads as every %2 (%n minutes)", nullptr, minutes);
    return FillPlaceholders(sentence, {timer, FormatDuration(minutes)});
}

}  // namespace

FieldReading ReadFieldText(int timerIndex, TimerField field, std::string_view text) {
    FieldReading result;
    const FieldText fieldText{text, UnitTextFromUtf8(text)};
    result.reading = ReadingOf(field, fieldText.unit.latin1, timerIndex);
    for (const DoubtCheck& doubt : kDoubtChecks) {
        if ((doubt.fields & Bit(field)) == 0) continue;
        if (std::optional<std::string> why = doubt.check(fieldText)) result.doubts.push_back(std::move(*why));
    }
    return result;
}

}  // namespace cv
