#pragma once
// Sends as the record sees them: the timers that went out and the report of
// how far they got, built by hand so every way a send can end is at hand.

#include <string>

#include "core/record/send_entry.h"
#include "core/timers/timer_table.h"

namespace cv::record_test {

inline TimerRecords DefaultTimers() {
    TimerRecords timers;
    for (int i = 0; i < kTimerCount; ++i) timers[i] = RecordFromTexts(DefaultColumnTexts(i));
    return timers;
}

// Another sheet, differing from the defaults in every field.
inline TimerRecords LunchTimers() {
    TimerRecords timers;
    for (int i = 0; i < kTimerCount; ++i)
        timers[i] = {"Lunch " + std::to_string(i + 1), static_cast<MinutesOfDay>(700 + i),
                     static_cast<MinutesOfDay>(60 + i), 5, 2};
    return timers;
}

inline SendReport AllSent() {
    SendReport report;
    report.sentCount = kTimerCount;
    return report;
}

// An answer to a message that went out (or, with written false, never did).
inline AckResult Ack(AckOutcome outcome, bool written = true) {
    AckResult ack;
    ack.outcome = outcome;
    ack.answer = outcome == AckOutcome::WrongAnswer ? 'x' : 'g';
    ack.written = written;
    return ack;
}

// A send that stopped at timer `index` at `stage`, its two messages answered
// so; a name message left out was never written.
inline SendReport StoppedAt(int index, TimerSendResult::Stage stage, AckResult settings, AckResult name = {}) {
    SendReport report;
    report.sentCount = index;
    report.failedIndex = index;
    report.failure.failedAt = stage;
    report.failure.settings = settings;
    report.failure.name = name;
    return report;
}

inline SendFacts Facts(const SendReport& report, const TimerRecords& timers, std::string file = "/k/lunch.csv") {
    SendFacts facts;
    facts.report = report;
    facts.records = timers;
    facts.portNumber = 1;
    facts.devicePath = "/dev/ttyUSB0";
    facts.source.filePath = std::move(file);
    return facts;
}

inline SendEntry Entry(const SendReport& report, const TimerRecords& timers, std::string when,
                       std::string file = "/k/lunch.csv") {
    return MakeSendEntry(Facts(report, timers, std::move(file)), std::move(when), "anna");
}

}  // namespace cv::record_test
