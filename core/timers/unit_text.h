#pragma once
// Text as a Corvellan unit takes it: Latin-1, one byte a character. Names
// typed or pasted into the sheet, and those in files from other editors, may
// hold more: a typographic quotation mark, dash or ellipsis becomes its plain
// form, and any other character beyond Latin-1 is kept apart and named, so
// that nothing turns into "?" unnoticed.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cv {

// The plain form the unit shows for a typographic character: "'" for U+2019,
// "..." for U+2026, " " for a narrow no-break space. Empty for any other
// character.
std::string_view PlainFormOf(char32_t character);

// A character that Latin-1 lacks and that has no plain form.
struct ForeignCharacter {
    std::size_t position;  // 0-based, in characters of the text as it was written
    char32_t character;
};

struct UnitText {
    std::string latin1;  // each foreign character stands as "?"
    std::string utf8;    // the same with the foreign characters kept
    std::vector<ForeignCharacter> foreign;
    bool plainForms = false;  // a typographic character became its plain form
};

UnitText UnitTextFromCodePoints(std::u32string_view text);
// A byte that is no part of valid UTF-8 counts as a foreign U+FFFD.
UnitText UnitTextFromUtf8(std::string_view text);

// A translated text for a place that holds Latin-1 (beside the timers' names
// in the day plan, in Sent to Unit's cells): typographic characters in their
// plain forms, and the English text when any other character is beyond
// Latin-1, as "Œ" in a translation would be.
std::string Latin1TextOr(std::string_view utf8, std::string_view english);

// "\"Œ\" (U+0152)": the character, and its code for when it cannot be seen
// or told apart from another.
std::string DescribeCharacter(char32_t character);

}  // namespace cv
