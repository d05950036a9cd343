#include "core/timers/field_reading.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(ReadFieldText, SaysHowEachKindOfFieldReads) {
    const struct {
        int timer;
        TimerField field;
        const char* text;
        std::string reading;
        std::string doubt;  // a piece of the one doubt expected, "" for none
    } cases[] = {
        {2, TimerField::StartTime, "6:00 PM", "Start Time of Timer 3 reads as 06:00 PM (1080 minutes)", ""},
        {0, TimerField::StartTime, "12:30 PM", "Start Time of Timer 1 reads as 12:30 PM (750 minutes)", ""},
        {0, TimerField::StartTime, "six", "Start Time of Timer 1 reads as 12:00 AM (0 minutes)",
         "no number in \"six\""},
        {0, TimerField::StartTime, "", "Start Time of Timer 1 reads as 12:00 AM (0 minutes)", "empty"},
        {0, TimerField::StartTime, "25:00",
         "Start Time of Timer 1 reads as 25 h after midnight (1500 minutes)", "outside the day"},
        {0, TimerField::StartTime, "0", "Start Time of Timer 1 reads as 12:00 AM (0 minutes)", ""},
        {9, TimerField::RepeatInterval, "2:30", "Repeat Interval of Timer 10 reads as every 2 h 30 min (150 minutes)", ""},
        {9, TimerField::RepeatInterval, "0", "Repeat Interval of Timer 10 reads as 0 minutes: the timer reminds once", ""},
        {1, TimerField::RepeatInterval, "half an hour",
         "Repeat Interval of Timer 2 reads as 0 minutes: the timer reminds once", "no number"},
        {1, TimerField::SnoozeTime, "1", "Snooze Time of Timer 2 reads as every 1 min (1 minute)", ""},
        {1, TimerField::SnoozeTime, " ", "Snooze Time of Timer 2 reads as 0 minutes", "empty"},
        {4, TimerField::Priority, "7", "Message Priority of Timer 5 reads as 7", ""},
        {4, TimerField::Priority, "x", "Message Priority of Timer 5 reads as 0", "one digit"},
        {4, TimerField::Priority, "1234", "Message Priority of Timer 5 reads as 1234", "\"1234\" reads as 1234"},
        {4, TimerField::Name, "six", "", ""},
        {4, TimerField::Name, "Fries {large}", "", "Character 7 of the name is \"{\""},
        {4, TimerField::Name, "\u0152ufs", "", "Character 1 of the name is \"\u0152\" (U+0152), which a Corvellan"},
        {4, TimerField::Name, "Chef\u2019s Check", "", ""},
        // Local ways of writing a time that the codec reads otherwise.
        {0, TimerField::StartTime, "18 h 30", "Start Time of Timer 1 reads as 12:18 AM (18 minutes)",
         "\"18 h 30\" is read as 12:18 AM, not 06:30 PM: type 18:30 for 06:30 PM."},
        {0, TimerField::StartTime, "6:30 p. m.", "Start Time of Timer 1 reads as 06:30 AM (390 minutes)",
         "not 06:30 PM: type 18:30"},
        {0, TimerField::StartTime, "6:30 a.m.", "Start Time of Timer 1 reads as 06:30 AM (390 minutes)", ""},
        {1, TimerField::RepeatInterval, "2 h 30", "Repeat Interval of Timer 2 reads as every 2 min (2 minutes)",
         "is read as 2 min, not 2 h 30 min: type 2:30 for 2 h 30 min."},
    };
    for (const auto& c : cases) {
        const FieldReading reading = ReadFieldText(c.timer, c.field, c.text);
        EXPECT_EQ(reading.reading, c.reading) << c.text;
        if (c.doubt.empty()) {
            EXPECT_FALSE(reading.Doubtful()) << c.text << ": " << reading.doubts.front();
        } else {
            ASSERT_EQ(reading.doubts.size(), 1u) << c.text;
            EXPECT_NE(reading.doubts[0].find(c.doubt), std::string::npos) << reading.doubts[0];
        }
    }
}

}  // namespace
}  // namespace cv
