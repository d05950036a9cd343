#pragma once
// UTF-8 text from outside (a file, a device, a user's typing) made safe to
// put on one line of a record or into a message: nothing in it can break the
// line, move a terminal's cursor or cut a sentence short.

#include <cstddef>
#include <string>
#include <string_view>

namespace cv {

// The length of the valid UTF-8 sequence at text[i], or 0 when there is none
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// Whether the valid sequence of `length` bytes at text[i] is a control
// character: below U+0020, U+007F, or U+0080 to U+009F (U+0085 is a line
// break to some editors; a file written in Windows-1252 and read as Latin-1
// brings such characters in).
bool IsControlCharacter(std::string_view text, std::size_t i, std::size_t length);

// text with every control character and every byte that is not part of
// valid UTF-8 replaced by U+FFFD, the replacement character. Unchanged when
// there is nothing to replace.
std::string CleanUtf8Line(std::string_view text);

// CleanUtf8Line(text), cut after `most` characters with "..." in place of the
// rest: a value quoted in a message, however long or strange it was.
std::string QuotableText(std::string_view text, std::size_t most = 40);

}  // namespace cv
