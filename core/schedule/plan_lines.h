#pragma once
// The lines of a day-part plan file as the reader and the writer both see
// them. Inside the schedule folder only.

#include <string>
#include <string_view>
#include <vector>

namespace cv {

struct PlanLine {
    enum class Kind { Blank, Comment, Section, Key, Other };
    Kind kind = Kind::Blank;
    std::string name;   // a section's name, or a key's, without the blanks around it
    std::string value;  // a key's value: blanks around it and one pair of outer quotes taken off
    int number = 0;     // counting from 1
    std::string text;   // the whole line as written, without its line end
};

struct PlanText {
    enum class Encoding { Utf8, Utf8WithMark, Windows1252, Utf16 };
    Encoding encoding = Encoding::Utf8;
    std::string utf8;  // the text after any byte order mark, in UTF-8
};

// A file's bytes as UTF-8: after a UTF-8 byte order mark or when valid, as
// they are; otherwise each byte as the Windows-1252 character it stands for.
// UTF-16 (a byte order mark FF FE or FE FF) is only recognised, not read.
PlanText DecodePlanText(std::string_view bytes);

// Each line: ";" or "#" first makes a comment, "[name]" a section (a comment
// may follow it), "key=value" a key; anything else is Other. CRLF, LF and CR
// line ends are all read.
std::vector<PlanLine> SplitPlanLines(std::string_view utf8);

bool SamePlanName(std::string_view a, std::string_view b);

}  // namespace cv
