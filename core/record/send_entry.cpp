#include "core/record/send_entry.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "core/device/port_map.h"
#include "core/device/serial_link.h"
#include "core/device/timer_messages.h"
#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/platform/local_user.h"
#include "core/record/record_text.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

MessageFate FateOf(const AckResult& ack) {
    if (ack.outcome == AckOutcome::Acknowledged) return MessageFate::Acknowledged;
    return ack.written ? MessageFate::Unacknowledged : MessageFate::NotSent;
}

// What became of timer `index`'s two messages in the send the report tells of.
void ReadFates(const SendReport& report, int index, TimerInSend& timer) {
    if (index < report.sentCount) {
        timer.settings = timer.name = MessageFate::Acknowledged;
        return;
    }
    if (index != report.failedIndex) return;  // after the failure: neither went out
    const TimerSendResult& result = report.failure;
    switch (result.failedAt) {
        case TimerSendResult::Stage::Open: return;
        case TimerSendResult::Stage::Settings:
            timer.settings = FateOf(result.settings);
            timer.name = FateOf(result.name);  // still sent after a settings message went unanswered
            return;
        case TimerSendResult::Stage::Name:
            timer.settings = MessageFate::Acknowledged;
            timer.name = FateOf(result.name);
            return;
        case TimerSendResult::Stage::Done:
            timer.settings = timer.name = MessageFate::Acknowledged;
            return;
    }
}

}  // namespace

std::string NameFieldAsSent(const TimerRecord& record) {
    std::string name = NameOnLine(record);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) c = '?';
    }
    return name;
}

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Why each send of this run stopped, in the user's language, by the English
// outcome line the record keeps: the record holds only that line, so this is
// how Sent to Unit tells the reason in the user's words while the facts were
// at hand. Sends made elsewhere keep the record's English reason.
std::mutex g_reasonsMutex;
std::map<std::string, std::string, std::less<>> g_reasonsInLanguage;

void RememberReason(const std::string& outcome, std::string reason) {
    const std::lock_guard lock(g_reasonsMutex);
    g_reasonsInLanguage.insert_or_assign(outcome, std::move(reason));
}

std::optional<std::string> RememberedReason(std::string_view outcome) {
    const std::lock_guard lock(g_reasonsMutex);
    const auto found = g_reasonsInLanguage.find(outcome);
    if (found == g_reasonsInLanguage.end()) return std::nullopt;
    return found->second;
}

}  // namespace

std::string DescribeSendOutcome(const SendReport& report) {
    if (report.AllSent()) return Tr("SendOutcome", "Timers Sent to Corvellan");
    return FillPlaceholders(Tr("SendOutcome", "Unable to Send Timers to Corvellan. %1"),
                            {DescribeSendFailure(report.failedIndex, report.failure)});
}

std::string DescribeRecordedOutcome(const std::string& outcome) {
    constexpr std::string_view kSent = "Timers Sent to Corvellan";
    constexpr std::string_view kUnable = "Unable to Send Timers to Corvellan. ";
    if (outcome == kSent) return Tr("SendOutcome", "Timers Sent to Corvellan");
    // Why the send stopped: in the user's words for a send of this run, else
    // in the record's own.
    if (outcome.starts_with(kUnable)) {
        const std::string reason =
            RememberedReason(outcome).value_or(std::string(std::string_view(outcome).substr(kUnable.size())));
        return FillPlaceholders(Tr("SendOutcome", "Unable to Send Timers to Corvellan. %1"), {reason});
    }
    return outcome;
}

std::string DescribeWhatTheUnitTook(const SendReport& report) {
    if (report.AllSent()) return "";
    const int whole = report.sentCount;
    const std::string failing = std::to_string(report.failedIndex + 1);
    TimerInSend timer;
    ReadFates(report, report.failedIndex, timer);
    if (whole == 0 && !timer.AnySent()) return "";  // nothing reached the line
    std::vector<std::string> took;
    if (whole > 0) took.push_back(TimerRange(1, whole));
    if (timer.settings == MessageFate::Acknowledged)
        took.push_back(FillPlaceholders(Tr("SendOutcome", "Timer %1's settings"), {failing}));
    else if (timer.name == MessageFate::Acknowledged)
        took.push_back(FillPlaceholders(Tr("SendOutcome", "Timer %1's name"), {failing}));
    const bool settingsUnknown = timer.settings == MessageFate::Unacknowledged;
    const bool nameUnknown = timer.name == MessageFate::Unacknowledged;
    std::string text;
    if (settingsUnknown || nameUnknown) {
        const std::string unknown = FillPlaceholders(settingsUnknown && nameUnknown
                                                         ? Tr("SendOutcome", "Timer %1's settings and name")
                                                     : settingsUnknown ? Tr("SendOutcome", "Timer %1's settings")
                                                                       : Tr("SendOutcome", "Timer %1's name"),
                                                     {failing});
        text = took.empty()
                   ? FillPlaceholders(Tr("SendOutcome", "The unit took none of the timers; whether it took %1 is "
                                                        "not known."),
                                      {unknown})
                   : FillPlaceholders(Tr("SendOutcome", "The unit took %1; whether it took %2 is not known."),
                                      {JoinList(took), unknown});
    } else {
        text = took.empty() ? Tr("SendOutcome", "The unit took none of the timers.")
                            : FillPlaceholders(Tr("SendOutcome", "The unit took %1."), {JoinList(took)});
    }
    const int firstUnsent = report.failedIndex + (timer.AnySent() ? 2 : 1);
    if (firstUnsent == kTimerCount)
        text += " " + FillPlaceholders(Tr("SendOutcome", "Timer %1 was not sent."), {std::to_string(kTimerCount)});
    if (firstUnsent < kTimerCount)
        text += " " + FillPlaceholders(Tr("SendOutcome", "Timers %1 to %2 were not sent."),
                                       {std::to_string(firstUnsent), std::to_string(kTimerCount)});
    return text;
}

SendFacts FactsOfSend(const SendReport& report, const TimerRecords& records, const LinkTarget& target,
                      const SerialLink& link, SendSource source, std::string settingsFolder, const std::string& root) {
    SendFacts facts;
    facts.report = report;
    facts.records = records;
    facts.portNumber = target.devicePath.empty() ? target.portNumber : 0;
    facts.devicePath = link.DevicePath();
    facts.deviceName = DeviceHardwareName(facts.devicePath, root);
    facts.source = std::move(source);
    facts.settingsFolder = std::move(settingsFolder);
    return facts;
}

SendEntry MakeSendEntry(const SendFacts& facts, std::string when, std::string user) {
    SendEntry entry;
    entry.when = CleanRecordText(when);
    entry.user = CleanRecordText(user);
    entry.portNumber = facts.portNumber > 0 ? facts.portNumber : 0;
    entry.device = CleanRecordText(DisplayDeviceName(facts.devicePath));
    entry.deviceName = CleanRecordText(facts.deviceName);
    entry.source.filePath = CleanRecordText(facts.source.filePath);
    entry.source.changed = !entry.source.filePath.empty() && facts.source.changed;
    {
        // The record keeps the program's English words, whatever language the user reads.
        const SourceTextsOnly english;
        entry.outcome = CleanRecordText(DescribeSendOutcome(facts.report));
    }
    if (!facts.report.AllSent())
        RememberReason(entry.outcome, DescribeSendFailure(facts.report.failedIndex, facts.report.failure));
    for (int index = 0; index < kTimerCount; ++index) {
        TimerInSend& timer = entry.timers[static_cast<std::size_t>(index)];
        ReadFates(facts.report, index, timer);
        if (!timer.AnySent()) continue;
        const TimerRecord& sent = facts.records[static_cast<std::size_t>(index)];
        timer.values = sent;
        timer.values.name = NameFieldAsSent(sent);
        timer.values.priority = static_cast<std::uint16_t>(sent.priority);
    }
    return entry;
}

std::string FormatTimeStamp(const std::tm& local, long utcOffsetSeconds) {
    const long minutes = (utcOffsetSeconds >= 0 ? utcOffsetSeconds + 30 : -utcOffsetSeconds + 30) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %c%02ld:%02ld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  utcOffsetSeconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

std::string TimeStampNow() { return TimeStampAt(std::time(nullptr)); }

std::string TimeStampAt(std::time_t when) {
    std::tm local {};
    if (!LocalCalendarTime(when, local)) {
        // No time zone to be had: UTC, said as such.
        const std::tm* utc = std::gmtime(&when);
        return utc ? FormatTimeStamp(*utc, 0) : "1970-01-01 00:00:00 +00:00";
    }
    // The offset is the local calendar time read as if it were UTC, less the
    // moment itself: right in summer and winter alike, on every system.
    const long long asIfUtc = DaysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                                            static_cast<unsigned>(local.tm_mday)) * 86400 +
                              local.tm_hour * 3600LL + local.tm_min * 60LL + local.tm_sec;
    return FormatTimeStamp(local, static_cast<long>(asIfUtc - static_cast<long long>(when)));
}

bool IsTimeStamp(std::string_view text) {
    constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd +dd:dd";
    if (text.size() != kPattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char want = kPattern[i];
        if (want == 'd' ? !IsDigit(text[i]) : want == '+' ? text[i] != '+' && text[i] != '-' : text[i] != want)
            return false;
    }
    return true;
}

}  // namespace cv
