#include "tools/ctl_progress.h"

#include <cstdio>
#include <string>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/timers/timer_record.h"
#include "tools/unit_messages.h"

namespace cv {

void PrintTimerStarted(int timerIndex) {
    const std::string line = FillPlaceholders(Tr("CtlSend", "Sending Timer %1 of %2"),
                                              {std::to_string(timerIndex + 1), std::to_string(kTimerCount)});
    std::printf("%s\n", line.c_str());
}

void PrintMessageSent(std::string_view message) {
    std::printf("  %s\n", FillPlaceholders(Tr("CtlSend", "sent %1"), {EscapeForDisplay(message)}).c_str());
}

}  // namespace cv
