#pragma once
// The timer file: ten lines of text, one per timer in column order, each
// "name,start,repeat,snooze,priority" with the name padded to 20 columns and
// the numbers to four digits. The file holds minutes, not what was typed.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/timers/timer_record.h"
#include "core/timerfile/timer_file_error.h"
#include "core/timerfile/timer_file_text.h"

namespace cv {

// Bytes one line may take, its line feed included: older readers of these
// files hold a line in a buffer of this size.
inline constexpr std::size_t kTimerLineBufferSize = 128;

// Characters a line may hold, not counting its line end (LF or CRLF).
inline constexpr std::size_t kLongestTimerLine = kTimerLineBufferSize - 1;

// "%-20s,%04d,%04d,%04d,%04d\n": the name written whole (padded, never cut),
// the priority as its low 16 bits unsigned (-1 is written 65535).
std::string FormatTimerLine(const TimerRecord& record);

// One line without its line end: the last four comma-separated fields are the
// numbers, read leniently, and everything before them is the name, unchanged.
// False when the line has fewer than four commas.
bool ParseTimerLine(std::string_view line, TimerRecord& record);

// The ten lines of a file, nothing after them, and nothing before them but a
// UTF-8 byte order mark when Timer 1's name starts with one (a load skips
// one) or with the bytes of a UTF-16 one, "ÿþ" or "þÿ" (Utf16FileText).
std::string FormatTimerFile(const TimerRecords& records);

// The first timer whose line, as FormatTimerLine writes it, would make
// ParseTimerFile refuse the file or read it differently: a name too long for
// a line with that timer's numbers, or a name holding a line feed or a
// control character 0x80-0x9F that a load would take for the Windows-1252
// character at that place (Windows1252Character). The
// error is UnsaveableName with the timer's number as its line; nullopt when
// all ten can be saved. Names whose bytes all happen to form UTF-8 ("Ã©")
// are saved, and read back as UTF-8 (DetectTimerFileEncoding).
std::optional<TimerFileError> FindUnsaveableTimer(const TimerRecords& records);

struct TimerFileContent {
    bool ok = false;
    // Meaningful only when ok. The names as the unit takes them: Latin-1, a
    // character it cannot show as "?" (shownNames keeps it).
    TimerRecords records;
    TimerFileError error;
    TimerFileEncoding encoding = TimerFileEncoding::Latin1;
    bool plainForms = false;  // typographic characters became their plain forms
    // The names as the sheet shows them, in UTF-8.
    std::array<std::string, kTimerCount> shownNames;
};

// Reads the first ten lines; anything after them is ignored. The last four
// comma-separated fields of a line are its numbers, read leniently, and
// everything before them is the name, unchanged (commas and blanks kept), so
// every name FormatTimerLine writes reads back the same. CRLF endings are
// accepted and the tenth line may lack its line feed; a UTF-8 byte order mark
// before the first line is skipped. A file from another editor, in UTF-8,
// Windows-1252 (DetectTimerFileEncoding) or UTF-16 with its byte order mark
// (Utf16FileText), is converted; a line may then hold 127 characters once
// converted. Any fault refuses the whole file: ok is false and error names
// the line (its path left empty).
TimerFileContent ParseTimerFile(std::string_view bytes);

// What a load must tell about a converted file, in whole sentences: that it
// was converted and from what, what became plain, and the first name that
// holds a character the unit cannot show. Empty for a file read byte for byte.
std::string DescribeTimerFileConversion(const TimerFileContent& content, const std::string& path);

}  // namespace cv
