#pragma once
// UTF-8, the encoding of texts for people and of today's editors, beside the
// single-byte Latin-1 in which the program holds timer names.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cv {

// The length of the valid UTF-8 sequence at text[i], or 0 when there is none
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// True when every byte belongs to a valid sequence.
bool IsUtf8(std::string_view text);

// How many bytes at the end of text begin a valid sequence that the bytes
// after them would complete; 0 when text ends on a whole character or in a
// byte that no bytes could make UTF-8. A read that stopped after so many
// bytes may have cut a character in two.
std::size_t IncompleteUtf8Tail(std::string_view text);

// UTF-16 text as UTF-8: two bytes a unit, the high byte first when bigEndian.
// A unit that is no part of a valid surrogate pair, and an odd byte at the
// end, become U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);

void AppendUtf8(std::string& text, char32_t character);

// Each byte that is no part of a valid sequence becomes U+FFFD.
std::u32string CodePointsFromUtf8(std::string_view text);

// Every byte as the Latin-1 character it stands for.
std::string Utf8FromLatin1(std::string_view latin1);

// Back to single bytes; nullopt when the text is not UTF-8 or holds a
// character beyond Latin-1.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8);

// Whether the valid sequence of `length` bytes at text[i] is a control
// character: below U+0020, U+007F, or U+0080 to U+009F (U+0085 is a line
// break to some editors; a file written in Windows-1252 and read as Latin-1
// brings such characters in).
bool IsControlCharacter(std::string_view text, std::size_t i, std::size_t length);

// text with every control character and every byte that is not part of
// valid UTF-8 replaced by U+FFFD, the replacement character: safe on one line
// of a record or in a message. Unchanged when there is nothing to replace.
std::string CleanUtf8Line(std::string_view text);

// CleanUtf8Line(text), cut after `most` characters with "..." in place of the
// rest: a value quoted in a message, however long or strange it was.
std::string QuotableText(std::string_view text, std::size_t most = 40);

}  // namespace cv
