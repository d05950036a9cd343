#include "core/timerfile/timer_file.h"

#include "core/language/tr.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/timers/lenient_number.h"
#include "core/timers/sentence.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

constexpr std::size_t kNameColumnWidth = 20;
constexpr int kNumbersPerLine = 4;
// Windows editors may start a file they save with one.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

TimerFileContent Refuse(TimerFileErrorKind kind, int line) {
    TimerFileContent content;
    content.error.kind = kind;
    content.error.line = line;
    return content;
}

// Where the tenth line ends, its line feed included, or the end of the bytes.
std::size_t TenLinesEnd(std::string_view bytes) {
    std::size_t end = 0;
    for (int line = 0; line < kTimerCount && end < bytes.size(); ++line) {
        const std::size_t lf = bytes.find('\n', end);
        end = lf == std::string_view::npos ? bytes.size() : lf + 1;
    }
    return end;
}

}  // namespace

// Numbers are taken from the end of the line so that a comma in a name stays
// part of the name instead of pushing every number one field on.
bool ParseTimerLine(std::string_view line, TimerRecord& record) {
    std::array<std::string_view, kNumbersPerLine> numbers;
    for (int field = kNumbersPerLine - 1; field >= 0; --field) {
        const std::size_t comma = line.rfind(',');
        if (comma == std::string_view::npos) return false;
        numbers[field] = line.substr(comma + 1);
        line = line.substr(0, comma);
    }
    record.name = std::string(line);
    record.startTime = static_cast<MinutesOfDay>(LenientAtoi(numbers[0]));
    record.repeatInterval = static_cast<MinutesOfDay>(LenientAtoi(numbers[1]));
    record.snoozeTime = static_cast<MinutesOfDay>(LenientAtoi(numbers[2]));
    record.priority = LenientAtoi(numbers[3]);
    return true;
}

std::string FormatTimerLine(const TimerRecord& record) {
    // Padded by hand rather than with "%-20s", which would stop at a NUL byte.
    std::string line = record.name;
    if (line.size() < kNameColumnWidth) line.resize(kNameColumnWidth, ' ');
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, ",%04d,%04d,%04d,%04d\n", int{record.startTime},
                  int{record.repeatInterval}, int{record.snoozeTime},
                  int{static_cast<std::uint16_t>(record.priority)});
    return line + numbers;
}

std::string FormatTimerFile(const TimerRecords& records) {
    std::string file;
    // A load skips one byte order mark, so a first name that starts with those
    // bytes gets one to skip and keeps its own. One that starts with "ÿþ" or
    // "þÿ", a UTF-16 byte order mark, gets one too, so that a load never
    // takes the file for UTF-16.
    const std::string_view first = records[0].name;
    if (first.starts_with(kByteOrderMark) || first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF"))
        file = kByteOrderMark;
    for (const TimerRecord& record : records) file += FormatTimerLine(record);
    return file;
}

std::optional<TimerFileError> FindUnsaveableTimer(const TimerRecords& records) {
    for (int index = 0; index < kTimerCount; ++index) {
        const TimerRecord& record = records[index];
        std::string reason;
        // A load takes such a byte for the Windows-1252 character it stands for there.
        const auto control = std::find_if(record.name.begin(), record.name.end(), [](char c) {
            return Windows1252Character(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c);
        });
        if (record.name.find('\n') != std::string::npos) {
            reason = Tr("TimerFile", "its name holds a line break");
        } else if (control != record.name.end()) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*control));
            reason = FillPlaceholders(Tr("TimerFile", "its name holds a control character (%1)"), {code});
        } else if (const std::size_t length = FormatTimerLine(record).size() - 1; length > kLongestTimerLine) {
            const std::size_t room = kLongestTimerLine - (length - std::max(record.name.size(), kNameColumnWidth));
            reason = FillPlaceholders(Tr("TimerFile", "its name is %1 characters long, and a line of a timer "
                                                      "file holds at most %2 with this timer's numbers"),
                                      {std::to_string(record.name.size()), std::to_string(room)});
        } else {
            continue;
        }
        return TimerFileError{TimerFileErrorKind::UnsaveableName, "", index + 1, reason};
    }
    return std::nullopt;
}

TimerFileContent ParseTimerFile(std::string_view bytes) {
    TimerFileContent content;
    const std::optional<std::string> utf16 = Utf16FileText(bytes);
    if (utf16) {
        bytes = *utf16;
        content.encoding = TimerFileEncoding::Utf16;
    } else {
        const bool mark = bytes.starts_with(kByteOrderMark);
        if (mark) bytes.remove_prefix(kByteOrderMark.size());
        content.encoding = DetectTimerFileEncoding(bytes.substr(0, TenLinesEnd(bytes)), mark);
    }
    // A UTF-16 file's lines are UTF-8 by now.
    const TimerFileEncoding lineEncoding =
        content.encoding == TimerFileEncoding::Utf16 ? TimerFileEncoding::Utf8 : content.encoding;
    std::size_t pos = 0;
    for (int index = 0; index < kTimerCount; ++index) {
        const int lineNumber = index + 1;
        if (pos >= bytes.size()) return Refuse(TimerFileErrorKind::TooFewLines, lineNumber);
        const std::size_t lf = bytes.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ConvertedLine converted;
        if (content.encoding != TimerFileEncoding::Latin1) {
            converted = ConvertTimerLine(line, lineEncoding);
            content.plainForms = content.plainForms || converted.plainForms;
            line = converted.latin1;
        }
        if (line.size() > kLongestTimerLine) return Refuse(TimerFileErrorKind::LineTooLong, lineNumber);
        TimerRecord& record = content.records[index];
        if (!ParseTimerLine(line, record)) return Refuse(TimerFileErrorKind::TooFewFields, lineNumber);
        content.shownNames[index] =
            content.encoding == TimerFileEncoding::Latin1 ? Utf8FromLatin1(record.name) : converted.name;
        pos = end + 1;
    }
    content.ok = true;
    return content;
}

}  // namespace cv
