#pragma once
// The two messages that carry one timer to the unit. Each is answered by a
// single acknowledgement byte.

#include <string>

#include "core/timers/timer_record.h"

namespace cv {

inline constexpr char kAcknowledgement = 'g';

// "{86,i,priority,start,interval,snooze}", times zero-padded to four digits:
// "{86,0,1,0360,0030,0003}".
std::string BuildSettingsMessage(int timerIndex, const TimerRecord& record);

// The name as the unit gets it: its first 19 characters, padded with blanks
// to 20.
std::string NameOnLine(const TimerRecord& record);

// "{87,i,name}" with the name as NameOnLine gives it, so the message is always
// 27 characters long. Whether the name may be sent at all is
// FindUnsendableCharacter's to say (unit_names.h).
std::string BuildNameMessage(int timerIndex, const TimerRecord& record);

}  // namespace cv
