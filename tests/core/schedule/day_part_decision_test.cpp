// The decision what the unit should hold: the due part at a moment, in zones
// with both clock changes, and whether to send it by what the record says.

#include <gtest/gtest.h>

#include "core/schedule/day_part_decision.h"
#include "tests/core/record/record_fixtures.h"
#include "tests/core/schedule/zones.h"

namespace cv {
namespace {

using namespace schedule_test;
using namespace record_test;

DayPartPlan PlanOf(const std::string& text) {
    const DayPartPlanReading reading = ParseDayPartPlan(text, "CVTimerDayParts.ini");
    EXPECT_EQ(reading.status, DayPartPlanReading::Status::Read) << reading.problem;
    return reading.plan;
}

const char kKitchen[] =
    "[Breakfast]\nStart=5:30 AM\nDays=Mon-Fri\nSheet=breakfast.csv\n"
    "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=lunch.csv\n"
    "[Late]\nStart=22:00\nDays=Fri, Sat\nSheet=late.csv\n"
    "[Christmas Eve close]\nStart=2:00 PM\nDates=2026-12-24\nSheet=closing.csv\n"
    "[Plan]\nClosed=2026-12-25, 2027-01-01\n";
// A night part in the hour the clocks skip in spring, one in the hour they
// repeat in autumn, and a weekend that wraps past Sunday.
const char kNights[] =
    "[Night]\nStart=2:30 AM\nDays=Every day\nSheet=night.csv\n"
    "[Weekend]\nStart=6:00 AM\nDays=Fri-Mon\nSheet=weekend.csv\n";
const char kRepeat[] =
    "[Small hours]\nStart=1:30 AM\nDays=Every day\nSheet=small.csv\n[Day]\nStart=9:00 AM\nDays=Every day\nSheet=day.csv\n";

struct DueCase {
    const char* what;
    const char* plan;
    const LocalZone& zone;
    std::time_t now;
    const char* part;   // "" when none is due
    std::time_t dueAt;  // the moment that part fell due
};

TEST(FindDuePart, LatestStartAtOrBeforeTheMoment) {
    const TableZone& ny = NewYork();
    const TableZone& paris = Paris();
    const DueCase cases[] = {
        {"before breakfast, yesterday's lunch holds", kKitchen, ny, At(ny, 2026, 12, 10, 4), "Lunch", At(ny, 2026, 12, 9, 10, 30)},
        {"a start holds from its own minute", kKitchen, ny, At(ny, 2026, 12, 10, 5, 30), "Breakfast", At(ny, 2026, 12, 10, 5, 30)},
        {"a late part runs through midnight", kKitchen, ny, At(ny, 2026, 12, 12, 1), "Late", At(ny, 2026, 12, 11, 22)},
        {"no breakfast on Sunday", kKitchen, ny, At(ny, 2026, 12, 13, 9), "Late", At(ny, 2026, 12, 12, 22)},
        {"a dated day keeps weekday parts out", kKitchen, ny, At(ny, 2026, 12, 24, 11), "Lunch", At(ny, 2026, 12, 23, 10, 30)},
        {"the dated part starts", kKitchen, ny, At(ny, 2026, 12, 24, 15), "Christmas Eve close", At(ny, 2026, 12, 24, 14)},
        {"a closed day keeps what was held", kKitchen, ny, At(ny, 2026, 12, 25, 12), "Christmas Eve close", At(ny, 2026, 12, 24, 14)},
        {"Fri-Mon includes Monday", kNights, ny, At(ny, 2026, 12, 14, 7), "Weekend", At(ny, 2026, 12, 14, 6)},
        {"Fri-Mon leaves Tuesday out", kNights, ny, At(ny, 2026, 12, 15, 7), "Night", At(ny, 2026, 12, 15, 2, 30)},
        {"New York: a start in the skipped hour falls due at the change", kNights, ny, Utc(2026, 3, 8, 7), "Night", Utc(2026, 3, 8, 7)},
        {"New York: not before the change", kNights, ny, Utc(2026, 3, 8, 7) - 1, "Weekend", At(ny, 2026, 3, 7, 6)},
        {"New York: the repeated hour's start is due at its first showing", kRepeat, ny, Utc(2026, 11, 1, 5, 30), "Small hours", Utc(2026, 11, 1, 5, 30)},
        {"New York: and not again at its second", kRepeat, ny, Utc(2026, 11, 1, 6, 45), "Small hours", Utc(2026, 11, 1, 5, 30)},
        {"Paris: the skipped hour", kNights, paris, Utc(2026, 3, 29, 1), "Night", Utc(2026, 3, 29, 1)},
        {"Paris: the repeated hour", kNights, paris, Utc(2026, 10, 25, 1, 15), "Night", Utc(2026, 10, 25, 0, 30)},
    };
    for (const DueCase& c : cases) {
        const DayPartPlan plan = PlanOf(c.plan);
        const DuePart due = FindDuePart(plan, c.now, c.zone);
        ASSERT_TRUE(due.due.has_value()) << c.what;
        EXPECT_EQ(plan.parts[static_cast<std::size_t>(due.due->part)].name, c.part) << c.what;
        EXPECT_EQ(due.due->at, c.dueAt) << c.what;
        ASSERT_TRUE(due.next.has_value()) << c.what;
        EXPECT_GT(due.next->at, c.now) << c.what;
    }
    // Nothing looked back on: a plan of one long-past date.
    const DayPartPlan once = PlanOf("[Opening]\nStart=9:00\nDates=2026-01-05\nSheet=open.csv\n");
    EXPECT_FALSE(FindDuePart(once, At(ny, 2026, 12, 10, 9), ny).due.has_value());
}

SendEntry EntryAt(std::time_t when, const TimerRecords& timers, const SendReport& report, SendOrigin origin = {}) {
    SendFacts facts = Facts(report, timers);
    facts.origin = std::move(origin);
    return MakeSendEntry(facts, TimeStampAt(when), "anna");
}

TimerRecords Edited(TimerRecords timers) {
    timers[4].snoozeTime += 1;
    return timers;
}

TEST(DecideDayPartSend, FromWhatTheRecordSaysTheUnitHolds) {
    const TableZone& ny = NewYork();
    const DayPartPlan plan = PlanOf(kKitchen);
    const PartStart lunch = *FindDuePart(plan, At(ny, 2026, 12, 10, 11), ny).due;
    const SendOrigin byPlan{"/k/CVTimerDayParts.ini", "Lunch", DueStamp(lunch, ny), "", {}};
    const UnitChoice unit{1, ""};
    struct Case {
        const char* what;
        std::vector<SendEntry> record;
        TimerRecords sheet;
        PlanVerdict verdict;
    };
    const Case cases[] = {
        {"held already", {EntryAt(lunch.at + 5, LunchTimers(), AllSent(), byPlan)}, LunchTimers(), PlanVerdict::Held},
        {"the same ten timers, sent by hand yesterday", {EntryAt(lunch.at - 86400, LunchTimers(), AllSent())}, LunchTimers(), PlanVerdict::Held},
        {"an edited sheet goes again", {EntryAt(lunch.at + 5, LunchTimers(), AllSent(), byPlan)}, Edited(LunchTimers()), PlanVerdict::Send},
        {"a partial send leaves timers not known",
         {EntryAt(lunch.at + 5, LunchTimers(), StoppedAt(3, TimerSendResult::Stage::Settings, Ack(AckOutcome::NoAnswer)), byPlan)},
         LunchTimers(), PlanVerdict::Send},
        {"a send by hand after the start holds", {EntryAt(lunch.at + 900, DefaultTimers(), AllSent())}, LunchTimers(), PlanVerdict::HeldByHand},
        {"a send by hand before the start does not", {EntryAt(lunch.at - 900, DefaultTimers(), AllSent())}, LunchTimers(), PlanVerdict::Send},
        {"nothing recorded", {}, LunchTimers(), PlanVerdict::Send},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideDayPartSend(plan, lunch, c.record, unit, c.sheet, ny).verdict, c.verdict) << c.what;

    // Sends to another unit say nothing about this one.
    const std::vector<SendEntry> elsewhere{EntryAt(lunch.at + 5, LunchTimers(), AllSent(), byPlan)};
    EXPECT_EQ(DecideDayPartSend(plan, lunch, elsewhere, UnitChoice{2, ""}, LunchTimers(), ny).verdict, PlanVerdict::Send);
}

TEST(DecideDayPartSend, PartsWhoseSpanWentByAreMissedNotSent) {
    const TableZone& ny = NewYork();
    const DayPartPlan plan = PlanOf(kKitchen);
    // The plan last ran for Tuesday's lunch; the PC was off until Thursday 11:00.
    const PartStart tuesday = *FindDuePart(plan, At(ny, 2026, 12, 8, 11), ny).due;
    const PartStart thursday = *FindDuePart(plan, At(ny, 2026, 12, 10, 11), ny).due;
    const std::vector<SendEntry> record{
        EntryAt(tuesday.at, LunchTimers(), AllSent(), {"/k/p.ini", "Lunch", DueStamp(tuesday, ny), "", {}})};
    const PlanDecision decision = DecideDayPartSend(plan, thursday, record, {1, ""}, DefaultTimers(), ny);
    std::vector<std::string> missed;
    for (const PartStart& start : decision.missed) missed.push_back(MissedText(plan, start, ny));
    EXPECT_EQ(missed, (std::vector<std::string>{"Breakfast, due 2026-12-09 05:30:00 -05:00",
                                                "Lunch, due 2026-12-09 10:30:00 -05:00",
                                                "Breakfast, due 2026-12-10 05:30:00 -05:00"}));
    EXPECT_EQ(decision.verdict, PlanVerdict::Send);
}

// What a run sends in a day when it runs every minute, the record growing as
// a real run's would.
int SendsOverOneDay(const DayPartPlan& plan, const LocalZone& zone, std::time_t from, std::time_t to) {
    std::vector<SendEntry> record;
    int sends = 0;
    for (std::time_t now = from; now < to; now += 60) {
        const DuePart due = FindDuePart(plan, now, zone);
        if (!due.due) continue;
        // Each part has a sheet of its own: its timers carry its index.
        TimerRecords sheet = LunchTimers();
        for (TimerRecord& timer : sheet) timer.priority = due.due->part;
        if (DecideDayPartSend(plan, *due.due, record, {1, ""}, sheet, zone).verdict != PlanVerdict::Send) continue;
        ++sends;
        record.push_back(EntryAt(now, sheet, AllSent(), {"/k/p.ini", "x", DueStamp(*due.due, zone), "", {}}));
    }
    return sends;
}

TEST(DecideDayPartSend, ARunEveryMinuteSendsOncePerChange) {
    const TableZone& ny = NewYork();
    // Thursday: what was due at midnight (Wednesday's lunch), breakfast, lunch.
    EXPECT_EQ(SendsOverOneDay(PlanOf(kKitchen), ny, At(ny, 2026, 12, 10, 0), At(ny, 2026, 12, 11, 0)), 3);
    // The 23-hour Sunday of spring: Saturday's weekend part, the night part at the change, the weekend part.
    EXPECT_EQ(SendsOverOneDay(PlanOf(kNights), ny, At(ny, 2026, 3, 8, 0), At(ny, 2026, 3, 9, 0)), 3);
    // The 25-hour Sunday of autumn: the repeated hour brings no second send.
    EXPECT_EQ(SendsOverOneDay(PlanOf(kRepeat), ny, At(ny, 2026, 11, 1, 0), At(ny, 2026, 11, 2, 0)), 3);
}

}  // namespace
}  // namespace cv
