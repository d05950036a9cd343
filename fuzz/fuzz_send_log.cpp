// The record of sends: any bytes read as a record never crash the reader and
// never give an acknowledgement that is not written out in a whole,
// well-formed entry (a name's control characters read as "?"), and a byte
// order mark in front changes nothing; an entry the writer makes holds no
// control character and reads back exactly, also when it is appended after
// whatever the file held (a torn entry, garbage). Any record lays out as the
// record's report, and in the report of sends the writer made every change
// is one of those sends, as it went: no change made up, none left out.
//
// Input: the record's text. The same bytes, read from the start, also give
// the facts of a send for the writer: the report, the port, the texts, the
// ten timers, and now and then the day-part plan that made it.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/record/record_report.h"
#include "core/record/report_words.h"
#include "core/record/send_log_text.h"
#include "core/record/unit_holdings.h"
#include "fuzz/fuzz_check.h"

namespace {

// Bytes handed out in order; zeros once they run out.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    unsigned Byte() { return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_++]) : 0u; }
    unsigned Word() { return Byte() << 8 | Byte(); }
    std::string Text(unsigned most) {
        std::string text;
        for (unsigned length = Byte() % (most + 1); length > 0; --length) text += static_cast<char>(Byte());
        return text;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

cv::AckResult Ack(ByteReader& in) {
    cv::AckResult ack;
    ack.outcome = static_cast<cv::AckOutcome>(in.Byte() % 6);
    ack.answer = static_cast<char>(in.Byte());
    ack.written = in.Byte() & 1;
    return ack;
}

cv::SendEntry MakeEntry(ByteReader& in) {
    cv::SendFacts facts;
    facts.report.failedIndex = static_cast<int>(in.Byte() % 11) - 1;
    facts.report.sentCount = facts.report.failedIndex < 0 ? cv::kTimerCount : facts.report.failedIndex;
    facts.report.failure.failedAt = static_cast<cv::TimerSendResult::Stage>(in.Byte() % 3);
    facts.report.failure.settings = Ack(in);
    facts.report.failure.name = Ack(in);
    facts.portNumber = static_cast<int>(in.Word());
    facts.devicePath = in.Text(40);
    facts.deviceName = in.Text(40);
    facts.source.filePath = in.Text(60);
    facts.source.changed = in.Byte() & 1;
    for (cv::TimerRecord& record : facts.records) {
        record.name = in.Text(30);
        record.startTime = static_cast<cv::MinutesOfDay>(in.Word());
        record.repeatInterval = static_cast<cv::MinutesOfDay>(in.Word());
        record.snoozeTime = static_cast<cv::MinutesOfDay>(in.Word());
        record.priority = static_cast<std::int32_t>(in.Word() << 16 | in.Word());
    }
    std::tm local{};
    local.tm_year = static_cast<int>(in.Word() % 10000) - 1900;
    local.tm_mon = static_cast<int>(in.Byte() % 12);
    local.tm_mday = static_cast<int>(in.Byte() % 31) + 1;
    local.tm_hour = static_cast<int>(in.Byte() % 24);
    local.tm_min = static_cast<int>(in.Byte() % 60);
    local.tm_sec = static_cast<int>(in.Byte() % 60);
    const long offset = (static_cast<long>(in.Word()) - 0x8000) % (24 * 3600);
    const std::string when = cv::FormatTimeStamp(local, offset);
    // Now and then a run of the day-part plan, sent or not.
    if (in.Byte() & 1) {
        facts.origin.planPath = in.Text(40);
        facts.origin.dayPart = in.Text(20);
        facts.origin.due = (in.Byte() & 1) ? when : in.Text(26);
        for (unsigned missed = in.Byte() % 3; missed > 0; --missed) facts.origin.missed.push_back(in.Text(30));
        if (in.Byte() & 1) facts.unsentBecause = in.Text(60);
    }
    return cv::MakeSendEntry(facts, when, in.Text(20));
}

std::string WithoutCarriageReturns(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')) continue;
        plain += text[i];
    }
    return plain;
}

// text with each control character a send writes as "?" in a name so
// written: below U+0020 but the line feed, U+007F, and U+0080 to U+009F
// (C2 80 to C2 9F, which no other sequence holds).
std::string WithControlsAsSent(std::string_view text) {
    std::string sent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80) {
            sent += '?';
            ++i;
        } else {
            sent += (byte < 0x20 && byte != '\n') || byte == 0x7F ? '?' : text[i];
        }
    }
    return sent;
}

// The part of an entry that carries the fates and values, from its first
// timer line to its end line: lines the reader never passes over.
std::string TimerPart(const cv::SendEntry& entry) {
    const std::string text = cv::FormatSendEntry(entry);
    const std::size_t from = text.find("\nTimer 1: ");
    return text.substr(from, text.size() - from - 1);
}

// A day or three from the date of stamp, when it has one.
std::optional<std::pair<cv::CivilDate, cv::CivilDate>> DaysFrom(const std::string& stamp, unsigned more) {
    const std::optional<cv::CivilDate> first = cv::ParseIsoDate(std::string_view(stamp).substr(0, 10));
    if (!first) return std::nullopt;
    return std::pair{*first, cv::AddDays(*first, more % 3)};
}

// The report of sends the writer made: each row of the timeline that stands
// for a send is the row of one of those sends (sent that day to that unit),
// each send has its row, and nothing else in the timeline has a time but
// the parts the plan missed and the changes of the UTC offset.
void CheckReportOfWrittenSends(const std::vector<cv::SendEntry>& sends, unsigned more) {
    if (sends.empty()) return;
    const cv::UnitChoice unit{sends.front().portNumber, sends.front().portNumber > 0 ? "" : sends.front().device};
    const auto days = DaysFrom(sends.front().when, more);
    if (!days) return;
    const cv::RecordReport report = cv::LayOutRecordReport({sends, 0}, unit, days->first, days->second);
    FUZZ_CHECK(report.ok);
    for (const cv::ReportDay& day : report.days) {
        std::vector<std::vector<std::string>> expected;
        for (const cv::SendEntry& send : sends) {
            if (!cv::SendReached(send, unit) || cv::ReportStampOf(send.when).date != day.date) continue;
            const bool planWithoutSheet = send.origin.ByPlan() && send.source.filePath.empty();
            expected.push_back({cv::StampClock(send.when), cv::ReportStampOf(send.when).offset, cv::DescribeHow(send),
                                planWithoutSheet ? "" : cv::DescribeSource(send.source),
                                cv::DescribeRecordedOutcome(send.outcome)});
        }
        for (const std::vector<std::string>& row : day.timeline.rows) {
            FUZZ_CHECK(row.size() == day.timeline.headings.size());
            if (row[0].empty() || row[2].empty()) continue;  // the start of the day, a change of offset
            const auto found = std::find(expected.begin(), expected.end(), row);
            if (found != expected.end()) {
                expected.erase(found);
                continue;
            }
            FUZZ_CHECK(row[4] == "missed: the plan did not run while it was due" || row[4] == "a part was missed");
        }
        FUZZ_CHECK(expected.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const cv::SendLogContent read = cv::ParseSendLog(bytes);

    // Whatever the reader found is written in the input, line for line, but
    // for the control characters of a name, which it reads as "?" as a send
    // writes them (earlier versions wrote them as they were).
    const std::string plain = "\n" + WithoutCarriageReturns(bytes) + "\n";
    const std::string asSent = WithControlsAsSent(plain);
    for (const cv::SendEntry& entry : read.entries) {
        FUZZ_CHECK(cv::IsTimeStamp(entry.when));
        FUZZ_CHECK(plain.find("\n=== Send at " + entry.when + " ===\n") != std::string::npos);
        FUZZ_CHECK(asSent.find(TimerPart(entry)) != std::string::npos);
        const cv::SendLogContent again = cv::ParseSendLog(cv::FormatSendEntry(entry));
        FUZZ_CHECK(again.entries.size() == 1 && again.entries[0] == entry);
    }
    // A byte order mark that an editor put before the record loses nothing.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (!bytes.starts_with(kByteOrderMark)) {
        const cv::SendLogContent marked = cv::ParseSendLog(std::string(kByteOrderMark) + std::string(bytes));
        FUZZ_CHECK(marked.entries == read.entries && marked.damaged == read.damaged);
    }
    const cv::UnitHoldings held = cv::DeriveUnitHoldings(read.entries, {1, ""});
    FUZZ_CHECK(held.sends <= static_cast<int>(read.entries.size()));
    if (!read.entries.empty()) {
        if (const auto days = DaysFrom(read.entries.back().when, size)) {
            const cv::RecordReport report = cv::LayOutRecordReport(read, {1, ""}, days->first, days->second);
            FUZZ_CHECK(report.ok && !report.days.empty());
        }
    }

    // A written entry reads back exactly, alone and after the input.
    ByteReader in(bytes);
    const cv::SendEntry entry = MakeEntry(in);
    const std::string written = cv::FormatSendEntry(entry);
    // No control character goes in but the line ends: none below U+0020,
    // U+007F, nor U+0080 to U+009F (C2 80 to C2 9F).
    for (std::size_t i = 0; i < written.size(); ++i) {
        const auto byte = static_cast<unsigned char>(written[i]);
        FUZZ_CHECK(byte == '\n' || (byte >= 0x20 && byte != 0x7F));
        FUZZ_CHECK(!(byte == 0xC2 && i + 1 < written.size() && static_cast<unsigned char>(written[i + 1]) <= 0x9F));
    }
    const cv::SendLogContent alone = cv::ParseSendLog(written);
    FUZZ_CHECK(alone.damaged == 0 && alone.entries.size() == 1 && alone.entries[0] == entry);
    const bool endsALine = bytes.empty() || bytes.back() == '\n';
    const cv::SendLogContent after = cv::ParseSendLog(std::string(bytes) + (endsALine ? "" : "\n") + written);
    FUZZ_CHECK(after.entries.size() == read.entries.size() + 1);
    FUZZ_CHECK(after.entries.back() == entry);
    for (std::size_t i = 0; i < read.entries.size(); ++i) FUZZ_CHECK(after.entries[i] == read.entries[i]);

    // A few more sends to the same unit, some on the same day, and their report.
    std::vector<cv::SendEntry> sends{entry};
    for (unsigned more = in.Byte() % 4; more > 0; --more) {
        cv::SendEntry next = MakeEntry(in);
        next.portNumber = entry.portNumber;
        next.device = entry.device;
        if (in.Byte() & 1) next.when = entry.when.substr(0, 11) + next.when.substr(11);
        sends.push_back(std::move(next));
    }
    CheckReportOfWrittenSends(sends, in.Byte());
    return 0;
}
