#pragma once
// The record of sends is UTF-8 text; timer names are single-byte Latin-1 in
// the program (utf8_text.h moves them between the two). This keeps a value on
// its line.

#include <string>
#include <string_view>

#include "core/timers/utf8_text.h"

namespace cv {

// A value as the record can hold it on one line (CleanUtf8Line): UTF-8 kept,
// every control character (U+0080 to U+009F among them) and every byte that
// is not part of valid UTF-8 made U+FFFD. Unchanged when there is nothing to
// replace.
std::string CleanRecordText(std::string_view text);

// Whether a record's line may hold text: valid UTF-8 without a control
// character below U+0020 or U+007F. Records written before U+0080 to U+009F
// were cleaned hold those too, and are still read.
bool IsRecordLineText(std::string_view text);

}  // namespace cv
