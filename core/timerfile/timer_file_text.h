#pragma once
// Timer files from other editors. CV Timer writes names in Latin-1, one byte a
// character, as the unit takes them; Windows Notepad has saved UTF-8 since
// 2019, and older Windows editors write Windows-1252, whose bytes 0x80-0x9F
// are curly quotes, dashes and letters where Latin-1 has control characters.
// Notepad also saves UTF-16 (its "Unicode" and "UTF-16 LE/BE"), two bytes a
// character after a byte order mark.

#include <optional>
#include <string>
#include <string_view>

namespace cv {

enum class TimerFileEncoding {
    Latin1,       // byte for byte, as CV Timer writes (plain ASCII is this too)
    Utf8,         // valid UTF-8 with characters beyond ASCII
    Windows1252,  // single bytes, some of them in 0x80-0x9F
    Utf16,        // after its byte order mark, in either byte order
};

// How the first ten lines of a file, after its UTF-8 byte order mark if it has
// one, are read:
//  - Utf8 when they are valid UTF-8 and hold a byte beyond ASCII;
//  - otherwise Windows1252 when a byte lies in 0x80-0x9F;
//  - otherwise Latin1, exactly as every earlier version read them.
// A UTF-8 character cut short at the very end is left out of the judgement:
// a read that stops at its limit inside an overlong line leaves one, and the
// cut must not change how the lines before it are read.
// The one file CV Timer wrote that could be taken for UTF-8 holds only names
// whose every accented letter is followed by one of the symbols ¡ to ¿ ("Ã©"):
// that is UTF-8 once read as Latin-1, and reading it as UTF-8 mends it. A
// second byte order mark right after the first is CV Timer's own, written for
// a first name that starts with "ï»¿" (FormatTimerFile): such a file is read
// byte for byte. afterMark: the lines came after a byte order mark.
TimerFileEncoding DetectTimerFileEncoding(std::string_view lines, bool afterMark);

// The text of a file saved in UTF-16, in UTF-8 and without its byte order
// mark: for bytes that start with FF FE (little-endian) or FE FF (big-endian)
// and hold a line feed as a unit in that byte order. nullopt for any other
// file. CV Timer writes those two bytes first only for a first name that
// starts with "ÿþ" or "þÿ", and now puts a UTF-8 byte order mark before them
// (FormatTimerFile); a file an earlier version wrote so is still read byte
// for byte, as its line feeds, each after a digit, make no UTF-16 line feed
// unless a name starts with a NUL byte.
std::optional<std::string> Utf16FileText(std::string_view bytes);

// The character a byte stands for in Windows-1252: the Latin-1 one but for
// 0x80-0x9F, where Windows-1252 has quotes, dashes and letters; the five it
// leaves undefined stay the control characters they are in Latin-1, as
// Windows converts them.
char32_t Windows1252Character(unsigned char byte);

// One line of a file in UTF-8 (a UTF-16 file's too, once Utf16FileText has
// made it UTF-8) or Windows-1252 as the unit takes it, each typographic
// character in its plain form and any other character beyond Latin-1 as "?"
// (unit_text.h).
struct ConvertedLine {
    std::string latin1;
    std::string name;  // the name, everything before the last four commas, as the sheet shows it (UTF-8)
    bool plainForms = false;
};
ConvertedLine ConvertTimerLine(std::string_view line, TimerFileEncoding encoding);

}  // namespace cv
