#pragma once
// What cvtimerctl prints while timers go to the unit, the same for a send and
// for a run of the day-part plan.

#include <string_view>

namespace cv {

// "Sending Timer 3 of 10".
void PrintTimerStarted(int timerIndex);

// "  sent {86,2,1,0380,0120,0003}", the message as a terminal can show it.
void PrintMessageSent(std::string_view message);

}  // namespace cv
