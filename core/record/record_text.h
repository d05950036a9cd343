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

// A value as the record can hold it on one line: UTF-8 kept, while a control
// character and any byte that is not part of valid UTF-8 become U+FFFD, the
// replacement character. Control characters are those below U+0020, U+007F
// and U+0080 to U+009F (U+0085 is a line break to some editors; a file
// written in Windows-1252 and read as Latin-1 brings such characters in).
// Unchanged when there is nothing to replace.
std::string CleanRecordText(std::string_view text);

// Whether a record's line may hold text: valid UTF-8 without a control
// character below U+0020 or U+007F. Records written before U+0080 to U+009F
// were cleaned hold those too, and are still read.
bool IsRecordLineText(std::string_view text);

}  // namespace cv
