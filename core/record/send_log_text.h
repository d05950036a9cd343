#pragma once
// The record of sends as text: entry after entry, each opening with a header
// line and closing with an end line, so that an entry cut short by a crash,
// or damaged by hand, is recognised and left out whole.
//
//   === Send at 2025-03-14 14:02:33 +01:00 ===
//   User: anna
//   Port: 1
//   Device: /dev/ttyUSB0
//   Device name: FT232R USB UART
//   File: /home/anna/lunch.csv
//   Timers: as in the file
//   Plan: /home/anna/CVTimerDayParts.ini
//   Day part: Lunch
//   Due: 2025-03-14 10:30:00 +01:00
//   Late: 3 h 32 min
//   Missed: Breakfast, due 2025-03-14 05:30:00 +01:00
//   Outcome: Unable to Send Timers to Corvellan. Timer 3 was not sent: ...
//   Timer 1: settings acknowledged, name acknowledged
//   Hands Washing       ,0360,0030,0003,0001
//   ...
//   Timer 3: settings acknowledged, name sent without acknowledgement
//   Test All Sanitizer  ,0380,0120,0003,0001
//   Timer 4: settings not sent, name not sent
//   ...
//   === End of send ===
//
// A timer's values follow its line whenever either message went out, written
// as a line of a timer file is, so it can be copied into one. Port, Device,
// Device name and File are left out when there is nothing to say. Plan and
// the lines after it are there only for a run of the day-part plan: a send by
// hand has none. Every version reads every entry: a key it does not know is
// passed over, which is how 1.0.0 reads a plan's entries (as sends by hand).

#include <string>
#include <string_view>
#include <vector>

#include "core/record/send_entry.h"

namespace cv {

// The entry's text, its header and end lines included, then a blank line.
std::string FormatSendEntry(const SendEntry& entry);

// Where the newest entries of text begin: the first entry that opens within
// its last `keep` bytes, or failing that the last entry of all (text.size()
// when there is none).
std::size_t NewestEntriesFrom(std::string_view text, std::size_t keep);

struct SendLogContent {
    std::vector<SendEntry> entries;  // oldest first, as the file holds them
    int damaged = 0;                 // entries left out: cut short, or not as FormatSendEntry writes them
};

// Every whole, well-formed entry of text. LF and CRLF line ends are both
// read; a byte order mark at the start and anything between entries are
// passed over.
SendLogContent ParseSendLog(std::string_view text);

}  // namespace cv
