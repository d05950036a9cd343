#pragma once
// The timer file: ten lines of text, one per timer in column order, each
// "name,start,repeat,snooze,priority" with the name padded to 20 columns and
// the numbers to four digits. The file holds minutes, not what was typed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/timers/timer_record.h"
#include "core/timerfile/timer_file_error.h"

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
// byte order mark when Timer 1's name starts with one (a load skips one).
std::string FormatTimerFile(const TimerRecords& records);

// The first timer whose line, as FormatTimerLine writes it, would make
// ParseTimerFile refuse the file or read it differently: a name too long for
// a line with that timer's numbers, or a name holding a line feed. The error
// is UnsaveableName with the timer's number as its line; nullopt when all ten
// can be saved.
std::optional<TimerFileError> FindUnsaveableTimer(const TimerRecords& records);

struct TimerFileContent {
    bool ok = false;
    TimerRecords records;  // meaningful only when ok
    TimerFileError error;
};

// Reads the first ten lines; anything after them is ignored. The last four
// comma-separated fields of a line are its numbers, read leniently, and
// everything before them is the name, unchanged (commas and blanks kept), so
// every name FormatTimerLine writes reads back the same. CRLF endings are
// accepted and the tenth line may lack its line feed; a UTF-8 byte order mark
// before the first line is skipped. Any fault refuses the whole file: ok is
// false and error names the line (its path left empty).
TimerFileContent ParseTimerFile(std::string_view bytes);

}  // namespace cv
