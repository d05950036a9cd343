#include "core/record/send_log_text.h"

#include <charconv>
#include <optional>
#include <utility>

#include "core/record/record_text.h"
#include "core/timerfile/timer_file.h"

namespace cv {

namespace {

constexpr std::string_view kHeaderStart = "=== Send at ";
constexpr std::string_view kHeaderEnd = " ===";
constexpr std::string_view kEndLine = "=== End of send ===";

constexpr std::string_view kAsInFile = "as in the file";
constexpr std::string_view kChangedSinceFile = "changed on the sheet since the file was loaded or saved";
constexpr std::string_view kNotFromFile = "typed on the sheet, not from a file";

std::string_view FateText(MessageFate fate) {
    switch (fate) {
        case MessageFate::NotSent: return "not sent";
        case MessageFate::Unacknowledged: return "sent without acknowledgement";
        case MessageFate::Acknowledged: return "acknowledged";
    }
    return "";
}

std::optional<MessageFate> FateFromText(std::string_view text) {
    for (const MessageFate fate : {MessageFate::NotSent, MessageFate::Unacknowledged, MessageFate::Acknowledged}) {
        if (text == FateText(fate)) return fate;
    }
    return std::nullopt;
}

std::string TimerLine(int index, const TimerInSend& timer) {
    return "Timer " + std::to_string(index + 1) + ": settings " + std::string(FateText(timer.settings)) +
           ", name " + std::string(FateText(timer.name)) + "\n";
}

// The lines of text without their line ends (LF or CRLF). A UTF-8 byte order
// mark at the start, which some editors add when they save, is no part of
// the first line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::vector<std::string_view> lines;
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

// Whether line (without its line end) opens an entry.
bool IsEntryHeader(std::string_view line) {
    if (!line.starts_with(kHeaderStart) || !line.ends_with(kHeaderEnd)) return false;
    if (line.size() < kHeaderStart.size() + kHeaderEnd.size()) return false;
    return IsTimeStamp(line.substr(kHeaderStart.size(), line.size() - kHeaderStart.size() - kHeaderEnd.size()));
}

// "Key: value" or "Key:" with a key of letters and blanks.
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    key = line.substr(0, colon);
    for (const char c : key) {
        if (!(c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    }
    value = line.substr(colon + 1);
    if (value.empty()) return true;
    if (value.front() != ' ') return false;
    value.remove_prefix(1);
    return IsRecordLineText(value);
}

// A timer's values as FormatTimerLine writes them, with a name of exactly the
// 20 characters that go on the wire. Earlier versions wrote a name's control
// characters as they were (a tab, U+0085): such an entry is still read, each
// of them "?" as a send writes it now (NameWithoutControls).
std::optional<TimerRecord> ParseValuesLine(std::string_view line) {
    const std::optional<std::string> bytes = Latin1FromUtf8(line);
    TimerRecord record;
    if (!bytes || !ParseTimerLine(*bytes, record)) return std::nullopt;
    // Written back, the line must be the same bytes: that refuses any number
    // not written as four digits and any name not padded to its 20 columns.
    if (record.name.size() != 20 || FormatTimerLine(record) != *bytes + "\n") return std::nullopt;
    record.name = NameWithoutControls(std::move(record.name));
    return record;
}

// Reads the entry whose header is lines[at]. On success `at` is the line after
// its end line; otherwise `at` is the line that did not fit, where a new
// entry may begin.
std::optional<SendEntry> ParseEntry(const std::vector<std::string_view>& lines, std::size_t& at) {
    SendEntry entry;
    const std::string_view header = lines[at];
    entry.when = header.substr(kHeaderStart.size(), header.size() - kHeaderStart.size() - kHeaderEnd.size());
    ++at;
    bool haveUser = false, haveTimers = false, haveOutcome = false, havePort = false;
    std::string timers;
    for (; at < lines.size() && !lines[at].starts_with("Timer "); ++at) {
        std::string_view key, written;
        if (!SplitKeyLine(lines[at], key, written)) return std::nullopt;
        const std::string value = CleanRecordText(written);
        bool* seen = nullptr;  // keys that may come once; a key not known here (a later version's) is passed over
        if (key == "User") {
            entry.user = value;
            seen = &haveUser;
        } else if (key == "Port") {
            int port = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), port);
            if (error != std::errc() || end != value.data() + value.size() || port < 1 || port > 0xFFFF ||
                std::to_string(port) != value)
                return std::nullopt;
            entry.portNumber = port;
            seen = &havePort;
        } else if (key == "Device" || key == "Device name" || key == "File") {
            std::string& field = key == "Device" ? entry.device : key == "File" ? entry.source.filePath : entry.deviceName;
            if (!field.empty() || value.empty()) return std::nullopt;
            field = value;
        } else if (key == "Timers") {
            timers = value;
            seen = &haveTimers;
        } else if (key == "Outcome") {
            entry.outcome = value;
            seen = &haveOutcome;
        } else if (key == "Plan" || key == "Day part" || key == "Due" || key == "Late") {
            // How the send came about: each once, and never empty.
            SendOrigin& origin = entry.origin;
            std::string& field = key == "Plan"       ? origin.planPath
                                 : key == "Day part" ? origin.dayPart
                                 : key == "Due"      ? origin.due
                                                     : origin.late;
            if (!field.empty() || value.empty()) return std::nullopt;
            field = value;
        } else if (key == "Missed") {
            if (value.empty()) return std::nullopt;
            entry.origin.missed.push_back(value);
        }
        if (seen) {
            if (*seen) return std::nullopt;
            *seen = true;
        }
    }
    if (!haveUser || !haveTimers || !haveOutcome) return std::nullopt;
    const SendOrigin& origin = entry.origin;
    const bool partOk = origin.dayPart.empty() ? origin.due.empty() && origin.late.empty() : IsTimeStamp(origin.due);
    if (!partOk || (!origin.ByPlan() && !(origin == SendOrigin()))) return std::nullopt;
    const bool fromFile = !entry.source.filePath.empty();
    if (timers == kChangedSinceFile && fromFile) {
        entry.source.changed = true;
    } else if (!(timers == kAsInFile && fromFile) && !(timers == kNotFromFile && !fromFile)) {
        return std::nullopt;
    }

    for (int index = 0; index < kTimerCount; ++index, ++at) {
        if (at >= lines.size()) return std::nullopt;
        const std::string prefix = "Timer " + std::to_string(index + 1) + ": settings ";
        const std::string_view line = lines[at];
        if (!line.starts_with(prefix)) return std::nullopt;
        const std::string_view fates = line.substr(prefix.size());
        const std::size_t comma = fates.find(", name ");
        if (comma == std::string_view::npos) return std::nullopt;
        const std::optional<MessageFate> settings = FateFromText(fates.substr(0, comma));
        const std::optional<MessageFate> name = FateFromText(fates.substr(comma + 7));
        if (!settings || !name) return std::nullopt;
        TimerInSend& timer = entry.timers[static_cast<std::size_t>(index)];
        timer.settings = *settings;
        timer.name = *name;
        if (!timer.AnySent()) continue;
        if (++at >= lines.size()) return std::nullopt;
        const std::optional<TimerRecord> values = ParseValuesLine(lines[at]);
        if (!values) return std::nullopt;
        timer.values = *values;
    }
    if (at >= lines.size() || lines[at] != kEndLine) return std::nullopt;
    ++at;
    return entry;
}

}  // namespace

std::string FormatSendEntry(const SendEntry& entry) {
    std::string text = std::string(kHeaderStart) + entry.when + std::string(kHeaderEnd) + "\n";
    text += "User: " + entry.user + "\n";
    if (entry.portNumber > 0) text += "Port: " + std::to_string(entry.portNumber) + "\n";
    if (!entry.device.empty()) text += "Device: " + entry.device + "\n";
    if (!entry.deviceName.empty()) text += "Device name: " + entry.deviceName + "\n";
    const bool fromFile = !entry.source.filePath.empty();
    if (fromFile) text += "File: " + entry.source.filePath + "\n";
    text += "Timers: " + std::string(!fromFile ? kNotFromFile : entry.source.changed ? kChangedSinceFile : kAsInFile) +
            "\n";
    const SendOrigin& origin = entry.origin;
    if (origin.ByPlan()) {
        text += "Plan: " + origin.planPath + "\n";
        if (!origin.dayPart.empty()) text += "Day part: " + origin.dayPart + "\nDue: " + origin.due + "\n";
        if (!origin.late.empty()) text += "Late: " + origin.late + "\n";
        for (const std::string& missed : origin.missed) text += "Missed: " + missed + "\n";
    }
    text += "Outcome: " + entry.outcome + "\n";
    for (int index = 0; index < kTimerCount; ++index) {
        const TimerInSend& timer = entry.timers[static_cast<std::size_t>(index)];
        text += TimerLine(index, timer);
        if (timer.AnySent()) text += Utf8FromLatin1(FormatTimerLine(timer.values));
    }
    text += std::string(kEndLine) + "\n\n";
    return text;
}

std::size_t NewestEntriesFrom(std::string_view text, std::size_t keep) {
    const std::size_t earliest = text.size() > keep ? text.size() - keep : 0;
    std::size_t lastHeader = text.size();
    for (const std::string_view line : SplitLines(text)) {
        if (!IsEntryHeader(line)) continue;
        const auto start = static_cast<std::size_t>(line.data() - text.data());
        if (start >= earliest) return start;
        lastHeader = start;
    }
    return lastHeader;
}

SendLogContent ParseSendLog(std::string_view text) {
    SendLogContent content;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t at = 0;
    while (at < lines.size()) {
        if (!IsEntryHeader(lines[at])) {
            ++at;
            continue;
        }
        if (std::optional<SendEntry> entry = ParseEntry(lines, at)) {
            content.entries.push_back(std::move(*entry));
        } else {
            ++content.damaged;
        }
    }
    return content;
}

}  // namespace cv
