#include "core/timers/timer_table.h"

#include "core/language/tr.h"
#include "core/timers/lenient_number.h"
#include "core/timers/time_text.h"

namespace cv {

namespace {

// Edit-control identifiers, one row per timer, in TimerField order. Timers 9
// and 10 come from a later block, and the name and start identifiers of
// Timers 2 to 10 are swapped against Timer 1's: the numbers are historical.
constexpr int kFieldIds[kTimerCount][kFieldsPerTimer] = {
    {1022, 1023, 1024, 1046, 1047}, {1026, 1025, 1027, 1048, 1049},
    {1029, 1028, 1030, 1050, 1051}, {1032, 1031, 1033, 1052, 1053},
    {1035, 1034, 1036, 1054, 1055}, {1038, 1037, 1039, 1056, 1057},
    {1041, 1040, 1042, 1058, 1059}, {1044, 1043, 1045, 1060, 1061},
    {1063, 1062, 1064, 1065, 1066}, {1068, 1067, 1069, 1070, 1071},
};

const std::array<ColumnTexts, kTimerCount> kDefaults = {{
    {"Hands Washing", "6:00 AM", "00:30", "3", "1"},
    {"Beef Cookout Check", "6:10 AM", "4:00", "3", "1"},
    {"Test All Sanitizer", "6:20 AM", "2:00", "3", "1"},
    {"Travel Path", "6:30 AM", "2:00", "3", "1"},
    {"Temp Check/PHU", "6:30 AM", "2:00", "3", "1"},
    {"Holding Time Check", "7:00 AM", "2:00", "3", "1"},
    {"Labor Check", "9:00 AM", "4:00", "3", "1"},
    {"Guest Trac          ", "9:00 AM", "4:00", "3", "1"},
    {"Rest Room Caddy", "6:45 AM", "4:00", "3", "1"},
    {"Shake Machine", "8:00 AM", "00:45", "3", "1"},
}};

}  // namespace

std::string FieldLabel(TimerField field) {
    switch (field) {
        case TimerField::Name: return Tr("TimerField", "Timer Name");
        case TimerField::StartTime: return Tr("TimerField", "Start Time");
        case TimerField::RepeatInterval: return Tr("TimerField", "Repeat Interval");
        case TimerField::SnoozeTime: return Tr("TimerField", "Snooze Time");
        case TimerField::Priority: return Tr("TimerField", "Message Priority");
    }
    return "";
}

int FieldId(int timerIndex, TimerField field) {
    return kFieldIds[timerIndex][static_cast<int>(field)];
}

int FieldTypingLimit(TimerField field) { return field == TimerField::Priority ? 1 : 20; }

std::string& ColumnTexts::operator[](TimerField field) {
    switch (field) {
        case TimerField::Name: return name;
        case TimerField::StartTime: return startTime;
        case TimerField::RepeatInterval: return repeatInterval;
        case TimerField::SnoozeTime: return snoozeTime;
        case TimerField::Priority: break;
    }
    return priority;
}

const std::string& ColumnTexts::operator[](TimerField field) const {
    return const_cast<ColumnTexts&>(*this)[field];
}

const ColumnTexts& DefaultColumnTexts(int timerIndex) { return kDefaults.at(timerIndex); }

TimerRecord RecordFromTexts(const ColumnTexts& texts) {
    TimerRecord record;
    record.name = texts.name;
    record.startTime = ParseTimeText(texts.startTime);
    record.repeatInterval = ParseTimeText(texts.repeatInterval);
    record.snoozeTime = ParseTimeText(texts.snoozeTime);
    record.priority = LenientAtoi(texts.priority);
    return record;
}

ColumnTexts TextsFromRecord(const TimerRecord& record) {
    return {record.name, FormatTimeText(record.startTime), FormatTimeText(record.repeatInterval),
            FormatTimeText(record.snoozeTime), std::to_string(record.priority)};
}

}  // namespace cv
