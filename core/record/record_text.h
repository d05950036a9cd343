#pragma once
// The record of sends is UTF-8 text; timer names are single-byte Latin-1 in
// the program. These move text between the two and keep a value on its line.

#include <optional>
#include <string>
#include <string_view>

namespace cv {

// Every byte as the Latin-1 character it stands for.
std::string Utf8FromLatin1(std::string_view latin1);

// Back to single bytes; nullopt when the text is not UTF-8 or holds a
// character beyond Latin-1.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8);

// A value as the record can hold it on one line (CleanUtf8Line): UTF-8 kept,
// every control character and every byte that is not part of valid UTF-8
// made U+FFFD.
std::string CleanRecordText(std::string_view text);

// Whether a record's line may hold text: valid UTF-8 without a control
// character below U+0020 or U+007F. Records written before U+0080 to U+009F
// were cleaned hold those too, and are still read.
bool IsRecordLineText(std::string_view text);

}  // namespace cv
