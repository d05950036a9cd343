#pragma once
// The sheet as data: which field holds what, what each field starts with, how
// much may be typed, and the move between one column's texts and its record.

#include <array>
#include <string>

#include "core/timers/timer_record.h"

namespace cv {

// The five rows of a column, top to bottom as the sheet shows them.
enum class TimerField { Name, StartTime, RepeatInterval, SnoozeTime, Priority };
inline constexpr int kFieldsPerTimer = 5;
inline constexpr std::array<TimerField, kFieldsPerTimer> kTimerFields = {
    TimerField::Name, TimerField::StartTime, TimerField::RepeatInterval, TimerField::SnoozeTime,
    TimerField::Priority};

// Row label as the sheet, the printed page and the screen reader show it:
// "Timer Name", "Start Time", ... in the user's language (UTF-8).
std::string FieldLabel(TimerField field);

// Identifier of the field's edit control (1022 for Timer 1's name, ...).
int FieldId(int timerIndex, TimerField field);

// How many characters a user may type into the field.
int FieldTypingLimit(TimerField field);

// The five texts of one column, as typed or as shown.
struct ColumnTexts {
    std::string name;
    std::string startTime;
    std::string repeatInterval;
    std::string snoozeTime;
    std::string priority;

    std::string& operator[](TimerField field);
    const std::string& operator[](TimerField field) const;
    friend bool operator==(const ColumnTexts&, const ColumnTexts&) = default;
};

// What each column shows when the program starts.
const ColumnTexts& DefaultColumnTexts(int timerIndex);

// Texts to record: the name unchanged, the times through ParseTimeText, the
// priority read leniently (a letter reads as 0).
TimerRecord RecordFromTexts(const ColumnTexts& texts);

// Record to texts: the times through FormatTimeText, the priority whole.
ColumnTexts TextsFromRecord(const TimerRecord& record);

}  // namespace cv
