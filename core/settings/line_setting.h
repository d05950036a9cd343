#pragma once
// The line settings a site may ask for in [SerialComm] of the settings file:
//
//   Parity=None | Odd | Even | Mark | Space
//   StopBits=1 | 2
//   FlowControl=None | RtsCts | XonXoff
//
// Values in any case. A key that is missing or empty means 8 data bits, no
// parity, 1 stop bit, no flow control: what a Corvellan unit takes.

#include <string>

#include "core/device/line_settings.h"

namespace cv {

struct LineSettingsReading {
    LineSettings settings;  // the defaults wherever the file says nothing usable
    std::string problem;    // empty, or a sentence naming the file, the line and what to write
};

// A value the program does not know, or a key in [SerialComm] it does not
// know, is not guessed at: the reading carries a problem, quoting what the
// file says cleaned of control characters and cut short, and nothing should
// be sent until the line is mended. A settings file that cannot be read gives
// the defaults and no problem here.
LineSettingsReading ReadLineSettings(const std::string& settingsPath);

}  // namespace cv
