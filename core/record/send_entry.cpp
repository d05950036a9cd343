#include "core/record/send_entry.h"

#include <algorithm>
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
#include "core/timers/civil_time.h"
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

std::string NameFieldAsSent(const TimerRecord& record) { return NameWithoutControls(NameOnLine(record)); }

std::string NameWithoutControls(std::string name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) c = '?';
    }
    return name;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// "12 min", "2 h 5 min": how long after `due` the entry was made, in English
// as the record keeps it; "" when not a whole minute late or not known.
std::string LatenessText(const std::string& when, const std::string& due) {
    const std::optional<std::time_t> sent = MomentOfTimeStamp(when), dueAt = MomentOfTimeStamp(due);
    if (!sent || !dueAt || *sent - *dueAt < 60) return "";
    const long long minutes = (*sent - *dueAt) / 60;
    if (minutes < 60) return std::to_string(minutes) + " min";
    return std::to_string(minutes / 60) + " h" + (minutes % 60 ? " " + std::to_string(minutes % 60) + " min" : "");
}

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
    entry.origin = facts.origin;
    for (std::string* text : {&entry.origin.planPath, &entry.origin.dayPart, &entry.origin.due})
        *text = CleanRecordText(*text);
    std::erase(entry.origin.missed, std::string());
    for (std::string& missed : entry.origin.missed) missed = CleanRecordText(missed);
    if (!entry.origin.dayPart.empty() && !IsTimeStamp(entry.origin.due)) entry.origin.dayPart.clear();
    if (entry.origin.dayPart.empty()) entry.origin.due.clear();
    entry.origin.late = LatenessText(entry.when, entry.origin.due);
    if (!entry.origin.ByPlan()) entry.origin = SendOrigin();
    if (!facts.unsentBecause.empty()) {
        entry.outcome = CleanRecordText(facts.unsentBecause);
        return entry;
    }
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
    return FormatTimeStamp(local, SystemZone().OffsetAt(when));
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

std::optional<std::time_t> MomentOfTimeStamp(std::string_view text) {
    if (!IsTimeStamp(text)) return std::nullopt;
    const CivilDate date{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
    const long long wall = DaysFromCivil(date) * 86400 + Digits(text, 11, 2) * 3600LL + Digits(text, 14, 2) * 60LL +
                           Digits(text, 17, 2);
    const long long offset = (Digits(text, 21, 2) * 60LL + Digits(text, 24, 2)) * 60 * (text[20] == '-' ? -1 : 1);
    return static_cast<std::time_t>(wall - offset);
}

}  // namespace cv
