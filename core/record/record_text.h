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
// character (a line break, a tab...) and any byte that is not part of valid
// UTF-8 become U+FFFD, the replacement character. Unchanged when there is
// nothing to replace.
std::string CleanRecordText(std::string_view text);

}  // namespace cv
