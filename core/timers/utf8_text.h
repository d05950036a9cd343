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

void AppendUtf8(std::string& text, char32_t character);

// Each byte that is no part of a valid sequence becomes U+FFFD.
std::u32string CodePointsFromUtf8(std::string_view text);

// Every byte as the Latin-1 character it stands for.
std::string Utf8FromLatin1(std::string_view latin1);

// Back to single bytes; nullopt when the text is not UTF-8 or holds a
// character beyond Latin-1.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8);

}  // namespace cv
