#pragma once
// The time text codec: what a supervisor types into a time field ("6:00 AM",
// "00:30", "3") to minutes, and minutes back to text.

#include <string>
#include <string_view>

#include "core/timers/timer_record.h"

namespace cv {

// Reads a time text leniently and never fails.
//  - "h:mm" is h * 60 + mm; a bare number is a count of minutes ("90" is 90).
//  - An AM/PM suffix, in any letter case, separated by blanks or written
//    straight after the minutes ("6:00PM") or after a bare hour ("6 pm"),
//    reads the time on the 12-hour clock: 12 AM is midnight, 12 PM is noon,
//    PM adds 720.
//  - Text after the minutes other than a suffix is ignored ("1:2:3" is 62).
//  - Empty text, or text with no first number, is 0.
//  - The sum wraps modulo 65536 ("1100:00" is 464).
MinutesOfDay ParseTimeText(std::string_view text);

// "hh:mm AM" below noon, "hh:mm PM" from noon to 23:59, and plain "hh:mm"
// from 24 hours on, so that ParseTimeText(FormatTimeText(v)) == v for every v.
std::string FormatTimeText(MinutesOfDay minutes);

}  // namespace cv
