#include "core/timers/timer_table.h"

#include <gtest/gtest.h>

#include <set>

namespace cv {
namespace {

TEST(TimerTable, FieldIdentifiersAreDistinctAndKeepTheirHistoricalNumbers) {
    std::set<int> seen;
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) EXPECT_TRUE(seen.insert(FieldId(t, f)).second);
    }
    EXPECT_EQ(FieldId(0, TimerField::StartTime), 1023);
    EXPECT_EQ(FieldId(1, TimerField::Name), 1026);
    EXPECT_EQ(FieldId(8, TimerField::StartTime), 1062);
    EXPECT_EQ(FieldId(9, TimerField::Priority), 1071);
}

TEST(RecordFromTexts, DefaultColumns) {
    EXPECT_EQ(RecordFromTexts(DefaultColumnTexts(0)), (TimerRecord{"Hands Washing", 360, 30, 3, 1}));
    const TimerRecord guest = RecordFromTexts(DefaultColumnTexts(7));
    EXPECT_EQ(guest.name, "Guest Trac          ");
    EXPECT_EQ(guest.name.size(), 20u);
    EXPECT_EQ(guest.startTime, 540);
    EXPECT_EQ(RecordFromTexts(DefaultColumnTexts(9)), (TimerRecord{"Shake Machine", 480, 45, 3, 1}));
}

TEST(RecordFromTexts, PriorityIsReadLikeAtoi) {
    ColumnTexts texts = DefaultColumnTexts(2);
    const std::pair<const char*, int> cases[] = {{"x", 0}, {"7", 7}, {"", 0}, {"-1", -1}, {"12abc", 12}};
    for (const auto& [text, priority] : cases) {
        texts.priority = text;
        EXPECT_EQ(RecordFromTexts(texts).priority, priority) << text;
    }
}

TEST(TextsFromRecord, ShowsFormattedTimesAndWholePriority) {
    EXPECT_EQ(TextsFromRecord({"Fryer Oil", 915, 240, 3, 2}),
              (ColumnTexts{"Fryer Oil", "03:15 PM", "04:00 AM", "00:03 AM", "2"}));
    EXPECT_EQ(TextsFromRecord({"", 0, 0, 0, 1234}).priority, "1234");
    EXPECT_EQ(TextsFromRecord({"", 0, 0, 0, -1}).priority, "-1");
}

}  // namespace
}  // namespace cv
