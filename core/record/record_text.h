#pragma once
// The record of sends is UTF-8 text; timer names are single-byte Latin-1 in
// the program (utf8_text.h moves them between the two). This keeps a value on
// its line.

#include <string>
#include <string_view>

#include "core/timers/utf8_text.h"

namespace cv {

// A value as the record can hold it on one line: UTF-8 kept, while a control
// character (a line break, a tab...) and any byte that is not part of valid
// UTF-8 become U+FFFD, the replacement character. Unchanged when there is
// nothing to replace.
std::string CleanRecordText(std::string_view text);

}  // namespace cv
