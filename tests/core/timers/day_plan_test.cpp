#include "core/timers/day_plan.h"

#include <gtest/gtest.h>

#include "core/timers/clock_text.h"
#include "core/timers/timer_table.h"

namespace cv {
namespace {

TimerRecords DefaultTimers() {
    TimerRecords timers;
    for (int t = 0; t < kTimerCount; ++t) timers[t] = RecordFromTexts(DefaultColumnTexts(t));
    return timers;
}

std::vector<std::string> ClashLines(const TimerRecords& timers, const DayPlan& plan) {
    std::vector<std::string> lines;
    for (const PlanMinute& clash : plan.clashes) {
        std::vector<std::string> names;
        for (int t : clash.timerIndexes) names.push_back(PlanName(timers, t));
        lines.push_back(PlanLine(clash.minute, names));
    }
    return lines;
}

std::vector<int> MinutesOf(const DayPlan& plan, int timerIndex) {
    std::vector<int> minutes;
    for (const Reminder& r : plan.reminders) {
        if (r.timerIndex == timerIndex) minutes.push_back(r.minute);
    }
    return minutes;
}

TEST(ClockText, TwelveHourClockAndDurations) {
    const std::pair<int, const char*> times[] = {{0, "12:00 AM"},  {30, "12:30 AM"},  {360, "06:00 AM"},
                                                 {719, "11:59 AM"}, {720, "12:00 PM"}, {750, "12:30 PM"},
                                                 {1439, "11:59 PM"}};
    for (const auto& [minute, text] : times) EXPECT_EQ(FormatClockTime(minute), text) << minute;
    const std::pair<int, const char*> durations[] = {
        {0, "0 min"}, {45, "45 min"}, {240, "4 h"}, {150, "2 h 30 min"}, {65535, "1092 h 15 min"}};
    for (const auto& [minutes, text] : durations) EXPECT_EQ(FormatDuration(static_cast<MinutesOfDay>(minutes)), text);
}

// Worked out by hand from the default sheet: Hands Washing every 30 minutes
// from 6:00 meets every timer that falls on the hour or half hour.
TEST(PlanDay, TheDefaultSheet) {
    const TimerRecords timers = DefaultTimers();
    const DayPlan plan = PlanDay(timers);

    const int perTimer[kTimerCount] = {36, 5, 9, 9, 9, 9, 4, 4, 5, 22};
    for (int t = 0; t < kTimerCount; ++t) EXPECT_EQ(MinutesOf(plan, t).size(), perTimer[t]) << PlanName(timers, t);
    EXPECT_EQ(MinutesOf(plan, 1), (std::vector<int>{370, 610, 850, 1090, 1330}));
    EXPECT_EQ(MinutesOf(plan, 9).back(), 1425);
    ASSERT_EQ(plan.reminders.size(), 112u);
    EXPECT_EQ(plan.reminders.front(), (Reminder{360, 0}));
    EXPECT_EQ(plan.reminders[3], (Reminder{390, 0}));  // 6:30, in column order
    EXPECT_EQ(plan.reminders[4], (Reminder{390, 3}));
    EXPECT_EQ(plan.reminders[5], (Reminder{390, 4}));
    EXPECT_EQ(plan.reminders.back(), (Reminder{1425, 9}));
    EXPECT_TRUE(plan.outsideDay.empty());
    EXPECT_EQ(PlanName(timers, 7), "Guest Trac");

    const std::string washTravelTemp = "Hands Washing, Travel Path, Temp Check/PHU";
    const std::string washHolding = "Hands Washing, Holding Time Check";
    const std::string washShake = "Hands Washing, Shake Machine";
    const std::string withLabor = washHolding + ", Labor Check, Guest Trac";
    EXPECT_EQ(ClashLines(timers, plan), (std::vector<std::string>{
                                            "06:30 AM  " + washTravelTemp,
                                            "07:00 AM  " + washHolding,
                                            "08:00 AM  " + washShake,
                                            "08:30 AM  " + washTravelTemp,
                                            "09:00 AM  " + withLabor,
                                            "09:30 AM  " + washShake,
                                            "10:30 AM  " + washTravelTemp,
                                            "11:00 AM  " + washHolding + ", Shake Machine",
                                            "12:30 PM  " + washTravelTemp + ", Shake Machine",
                                            "01:00 PM  " + withLabor,
                                            "02:00 PM  " + washShake,
                                            "02:30 PM  " + washTravelTemp,
                                            "02:45 PM  Rest Room Caddy, Shake Machine",
                                            "03:00 PM  " + washHolding,
                                            "03:30 PM  " + washShake,
                                            "04:30 PM  " + washTravelTemp,
                                            "05:00 PM  " + withLabor + ", Shake Machine",
                                            "06:30 PM  " + washTravelTemp + ", Shake Machine",
                                            "07:00 PM  " + washHolding,
                                            "08:00 PM  " + washShake,
                                            "08:30 PM  " + washTravelTemp,
                                            "09:00 PM  " + withLabor,
                                            "09:30 PM  " + washShake,
                                            "10:30 PM  " + washTravelTemp,
                                            "11:00 PM  " + washHolding + ", Shake Machine",
                                        }));
}

TEST(PlanDay, EdgesOfTheDay) {
    TimerRecords timers{};
    timers[0] = {"Once", 600, 0, 3, 1};          // interval 0: once
    timers[1] = {"Late", 1430, 5, 3, 1};         // 23:50 and 23:55, not midnight
    timers[2] = {"Never", 65535, 30, 3, 1};      // outside the day
    timers[3] = {"Midnight", 1440, 30, 3, 1};    // 24 hours is outside too
    timers[4] = {"  ", 0, 65535, 3, 1};          // a huge interval: once, at midnight
    for (int t = 5; t < kTimerCount; ++t) timers[t] = {"Idle", 1439, 0, 3, 1};

    const DayPlan plan = PlanDay(timers);
    EXPECT_EQ(MinutesOf(plan, 0), std::vector<int>{600});
    EXPECT_EQ(MinutesOf(plan, 1), (std::vector<int>{1430, 1435}));
    EXPECT_TRUE(MinutesOf(plan, 2).empty());
    EXPECT_EQ(MinutesOf(plan, 4), std::vector<int>{0});
    EXPECT_EQ(plan.outsideDay, (std::vector<int>{2, 3}));
    EXPECT_EQ(PlanName(timers, 4), "Timer 5");
    ASSERT_EQ(plan.clashes.size(), 1u);
    EXPECT_EQ(plan.clashes[0], (PlanMinute{1439, {5, 6, 7, 8, 9}}));
}

}  // namespace
}  // namespace cv
