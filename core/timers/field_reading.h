#pragma once
// What a field's text will be taken for, said in words before anything is
// saved or sent, and the texts that cannot be what the user meant. Doubts
// only warn: what is saved and sent stays exactly what the codec reads.

#include <string>
#include <string_view>
#include <vector>

#include "core/timers/timer_table.h"

namespace cv {

struct FieldReading {
    // "Start Time of Timer 3 reads as 06:00 PM (1080 minutes)",
    // "Repeat Interval of Timer 1 reads as every 2 h 30 min (150 minutes)",
    // "Message Priority of Timer 2 reads as 1"; empty for a Timer Name.
    std::string reading;
    // Why the text is unlikely to be what was meant, one sentence each.
    std::vector<std::string> doubts;

    bool Doubtful() const { return !doubts.empty(); }
};

// text: the field's text as typed, in UTF-8; it is read as the unit gets it
// (unit_text.h), and the readings and doubts are UTF-8 too.
FieldReading ReadFieldText(int timerIndex, TimerField field, std::string_view text);

}  // namespace cv
