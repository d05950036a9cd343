// What the record makes of a send: each message's fate from the send's
// report, and what the unit holds after a run of sends.

#include <gtest/gtest.h>

#include "core/record/unit_holdings.h"
#include "tests/core/record/record_fixtures.h"
#include "tests/marked_texts.h"

namespace cv {
namespace {

using namespace record_test;
using Stage = TimerSendResult::Stage;
using Fate = MessageFate;

constexpr const char* kFirst = "2025-03-14 06:00:00 +01:00";
constexpr const char* kSecond = "2025-03-14 11:30:00 +01:00";

std::array<FieldMatch, kFieldsPerTimer> AllFields(FieldMatch match) { return {match, match, match, match, match}; }

TEST(UnitHoldings, AFullSendIsHeldWholeAndMatchesItsSheet) {
    const TimerRecords sheet = DefaultTimers();
    const UnitHoldings held = DeriveUnitHoldings({Entry(AllSent(), sheet, kFirst)}, {1, ""});
    EXPECT_EQ(held.sends, 1);
    for (int i = 0; i < kTimerCount; ++i) {
        EXPECT_EQ(CompareWithSheet(held.timers[i], sheet[i]), AllFields(FieldMatch::Same)) << "Timer " << i + 1;
    }
    EXPECT_EQ(HeldFieldText(held.timers[0], TimerField::Name), "Hands Washing");
    EXPECT_EQ(HeldFieldText(held.timers[0], TimerField::StartTime), "06:00 AM");
    EXPECT_EQ(DescribeWhenSent(held.timers[0]), "2025-03-14 06:00:00 +01:00, lunch.csv");
    // Another port's unit was never sent to.
    const UnitHoldings other = DeriveUnitHoldings({Entry(AllSent(), sheet, kFirst)}, {2, ""});
    EXPECT_EQ(other.sends, 0);
    EXPECT_EQ(CompareWithSheet(other.timers[0], sheet[0]), AllFields(FieldMatch::NotKnown));
    EXPECT_EQ(DescribeWhenSent(other.timers[0]), "not known: no send recorded here");
}

TEST(UnitHoldings, AWrongAnswerToTimerThreesNameAfterAFullSendOfAnotherFile) {
    const TimerRecords defaults = DefaultTimers();
    const TimerRecords lunch = LunchTimers();
    const std::vector<SendEntry> record = {
        Entry(AllSent(), defaults, kFirst, "/k/default.csv"),
        Entry(StoppedAt(2, Stage::Name, Ack(AckOutcome::Acknowledged), Ack(AckOutcome::WrongAnswer)), lunch, kSecond),
    };
    const UnitHoldings held = DeriveUnitHoldings(record, {1, ""});
    EXPECT_EQ(held.sends, 2);
    for (int i : {0, 1}) EXPECT_EQ(CompareWithSheet(held.timers[i], lunch[i]), AllFields(FieldMatch::Same));
    EXPECT_EQ(CompareWithSheet(held.timers[2], lunch[2]),
              (std::array{FieldMatch::NotKnown, FieldMatch::Same, FieldMatch::Same, FieldMatch::Same,
                          FieldMatch::Same}));
    EXPECT_EQ(DescribeWhenSent(held.timers[2]),
              "2025-03-14 11:30:00 +01:00, lunch.csv: its name went without acknowledgement");
    for (int i = 3; i < kTimerCount; ++i) {
        EXPECT_EQ(CompareWithSheet(held.timers[i], defaults[i]), AllFields(FieldMatch::Same)) << "Timer " << i + 1;
        EXPECT_EQ(CompareWithSheet(held.timers[i], lunch[i]), AllFields(FieldMatch::Differs)) << "Timer " << i + 1;
        EXPECT_EQ(DescribeWhenSent(held.timers[i]), "2025-03-14 06:00:00 +01:00, default.csv");
    }
}

// Each way a send can stop: what it says of the timer it stopped at, and
// what that leaves known of a unit that had the defaults before.
struct StopCase {
    const char* what;
    SendReport report;
    Fate settings;
    Fate name;
    const char* sent;  // what the record then says of when the timer was sent
};

TEST(UnitHoldings, EachWayASendStopsLeavesTheTimerItStoppedAtSo) {
    const StopCase cases[] = {
        {"a silent unit", StoppedAt(0, Stage::Settings, Ack(AckOutcome::NoAnswer), Ack(AckOutcome::NoAnswer)),
         Fate::Unacknowledged, Fate::Unacknowledged, "not known: sent 2025-03-14 11:30:00 +01:00 without acknowledgement"},
        {"a refused settings message, its name taken",
         StoppedAt(0, Stage::Settings, Ack(AckOutcome::WrongAnswer), Ack(AckOutcome::Acknowledged)),
         Fate::Unacknowledged, Fate::Acknowledged,
         "2025-03-14 11:30:00 +01:00, lunch.csv: its settings went without acknowledgement"},
        {"Cancel while waiting for the settings", StoppedAt(0, Stage::Settings, Ack(AckOutcome::Cancelled)),
         Fate::Unacknowledged, Fate::NotSent,
         "settings not known: sent 2025-03-14 11:30:00 +01:00 without acknowledgement; "
         "name 2025-03-14 06:00:00 +01:00, lunch.csv"},
        {"Cancel while the port opens", StoppedAt(0, Stage::Settings, Ack(AckOutcome::Cancelled, false)),
         Fate::NotSent, Fate::NotSent, "2025-03-14 06:00:00 +01:00, lunch.csv"},
        {"an adapter unplugged while waiting for the name",
         StoppedAt(0, Stage::Name, Ack(AckOutcome::Acknowledged), Ack(AckOutcome::Vanished)), Fate::Acknowledged,
         Fate::Unacknowledged, "2025-03-14 11:30:00 +01:00, lunch.csv: its name went without acknowledgement"},
        {"an adapter unplugged while the settings were written",
         StoppedAt(0, Stage::Settings, Ack(AckOutcome::WriteFailed)), Fate::Unacknowledged, Fate::NotSent,
         "settings not known: sent 2025-03-14 11:30:00 +01:00 without acknowledgement; "
         "name 2025-03-14 06:00:00 +01:00, lunch.csv"},
        {"a port that does not open", StoppedAt(0, Stage::Open, {}), Fate::NotSent, Fate::NotSent,
         "2025-03-14 06:00:00 +01:00, lunch.csv"},
    };
    const TimerRecords defaults = DefaultTimers();
    const TimerRecords lunch = LunchTimers();
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.what);
        const SendEntry entry = Entry(c.report, lunch, kSecond);
        EXPECT_EQ(entry.timers[0].settings, c.settings);
        EXPECT_EQ(entry.timers[0].name, c.name);
        EXPECT_FALSE(entry.timers[1].AnySent());
        EXPECT_TRUE(entry.outcome.starts_with("Unable to Send Timers to Corvellan. Timer 1 was not sent: "));

        const UnitHoldings held = DeriveUnitHoldings({Entry(AllSent(), defaults, kFirst), entry}, {0, "/dev/ttyUSB0"});
        const auto expect = [](Fate fate, bool sameAsLunch) {
            return fate == Fate::Unacknowledged ? FieldMatch::NotKnown
                   : (fate == Fate::Acknowledged) == sameAsLunch ? FieldMatch::Same
                                                                 : FieldMatch::Differs;
        };
        const auto compared = CompareWithSheet(held.timers[0], lunch[0]);
        EXPECT_EQ(compared[0], expect(c.name, true));
        EXPECT_EQ(compared[1], expect(c.settings, true));
        EXPECT_EQ(CompareWithSheet(held.timers[1], defaults[1]), AllFields(FieldMatch::Same));
        EXPECT_EQ(DescribeWhenSent(held.timers[0]), c.sent);
    }
}

TEST(DescribeWhatTheUnitTook, NamesTheTimersTakenAndThePartsNotKnown) {
    EXPECT_EQ(DescribeWhatTheUnitTook(StoppedAt(2, Stage::Name, Ack(AckOutcome::Acknowledged), Ack(AckOutcome::WrongAnswer))),
              "The unit took Timers 1 and 2 and Timer 3's settings; whether it took Timer 3's name is not known. "
              "Timers 4 to 10 were not sent.");
    EXPECT_EQ(DescribeWhatTheUnitTook(StoppedAt(0, Stage::Settings, Ack(AckOutcome::NoAnswer), Ack(AckOutcome::NoAnswer))),
              "The unit took none of the timers; whether it took Timer 1's settings and name is not known. "
              "Timers 2 to 10 were not sent.");
    EXPECT_EQ(DescribeWhatTheUnitTook(StoppedAt(9, Stage::Open, {})),
              "The unit took Timers 1 to 9. Timer 10 was not sent.");
    EXPECT_EQ(DescribeWhatTheUnitTook(AllSent()), "");
    EXPECT_EQ(DescribeWhatTheUnitTook(StoppedAt(0, Stage::Open, {})), "");

    // Each sentence whole, the timers and parts it names in the language's own patterns.
    const MarkedTexts marked;
    EXPECT_EQ(DescribeWhatTheUnitTook(StoppedAt(2, Stage::Name, Ack(AckOutcome::Acknowledged), Ack(AckOutcome::WrongAnswer))),
              "[[The unit took [[[[Timers 1 and 2]] and [[Timer 3's settings]]]]; whether it took [[Timer 3's name]] "
              "is not known.]] [[Timers 4 to 10 were not sent.]]");
}

TEST(UnitHoldings, TheSheetIsComparedAsTheUnitWouldGetIt) {
    TimerRecords sent = DefaultTimers();
    sent[0].name = "A name longer than nineteen";
    const UnitHoldings held = DeriveUnitHoldings({Entry(AllSent(), sent, kFirst)}, {1, ""});
    TimerRecord sheet = sent[0];
    sheet.name = "A name longer than";  // the same on the wire: 19 characters, then the blank fill
    EXPECT_EQ(CompareWithSheet(held.timers[0], sheet)[0], FieldMatch::Same);
    sheet.name = "A name longer then nineteen";
    EXPECT_EQ(CompareWithSheet(held.timers[0], sheet)[0], FieldMatch::Differs);
    sheet.snoozeTime = 4;
    EXPECT_EQ(CompareWithSheet(held.timers[0], sheet)[3], FieldMatch::Differs);
}

}  // namespace
}  // namespace cv
