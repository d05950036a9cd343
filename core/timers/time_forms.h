#pragma once
// Times as people write them in French, Spanish and on paper, which the time
// text codec, bound to the unit's and the files' "6:00 PM" and "18:30", reads
// as something else: "18 h 30" is 18 minutes to it, "6:30 p. m." is morning.

#include <optional>
#include <string_view>

#include "core/timers/timer_record.h"

namespace cv {

// The minutes a text means when it is written in one of these forms; nullopt
// for any other text. The codec itself stays as it is.
//  - an hour word: "18 h 30", "18h30", "18 h", "2 h 30 min", "2 hrs", "18 horas";
//  - a dot between hours and two digits of minutes: "18.30", "6.30 pm";
//  - a.m. and p.m. written with dots, blanks or one letter: "6:30 p. m.",
//    "6 p.m.", "6:30p", "12:30 a.m." (an hour of 1 to 12, 12 a.m. is midnight).
// A no-break space counts as a blank.
std::optional<MinutesOfDay> MinutesMeantBy(std::string_view text);

}  // namespace cv
