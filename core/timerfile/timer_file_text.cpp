#include "core/timerfile/timer_file_text.h"

#include "core/language/tr.h"

#include <algorithm>

#include "core/timerfile/timer_file.h"
#include "core/timers/sentence.h"
#include "core/timers/unit_text.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Bytes 0x80-0x9F as Windows-1252 means them.
constexpr char32_t kWindows1252[32] = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178',
};

bool InControlRange(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte <= 0x9F;
}

std::u32string CodePointsOf(std::string_view line, TimerFileEncoding encoding) {
    if (encoding == TimerFileEncoding::Utf8) return CodePointsFromUtf8(line);
    std::u32string characters;
    characters.reserve(line.size());
    for (const char c : line) characters += Windows1252Character(static_cast<unsigned char>(c));
    return characters;
}

}  // namespace

char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252[byte - 0x80] : char32_t{byte};
}

TimerFileEncoding DetectTimerFileEncoding(std::string_view lines, bool afterMark) {
    lines.remove_suffix(IncompleteUtf8Tail(lines));
    const bool ownMark = afterMark && lines.starts_with(kByteOrderMark);
    if (std::all_of(lines.begin(), lines.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return TimerFileEncoding::Latin1;
    if (!ownMark && IsUtf8(lines)) return TimerFileEncoding::Utf8;
    return std::any_of(lines.begin(), lines.end(), InControlRange) ? TimerFileEncoding::Windows1252
                                                                    : TimerFileEncoding::Latin1;
}

std::optional<std::string> Utf16FileText(std::string_view bytes) {
    const bool littleEndian = bytes.starts_with("\xFF\xFE");
    if (!littleEndian && !bytes.starts_with("\xFE\xFF")) return std::nullopt;
    std::string text = Utf8FromUtf16(bytes.substr(2), !littleEndian);
    if (text.find('\n') == std::string::npos) return std::nullopt;
    return text;
}

ConvertedLine ConvertTimerLine(std::string_view line, TimerFileEncoding encoding) {
    const std::u32string characters = CodePointsOf(line, encoding);
    // The name ends where ParseTimerLine ends it, at the fourth comma from the
    // end; no conversion adds or takes away a comma.
    std::size_t nameEnd = characters.size();
    for (int commas = 0; commas < 4 && nameEnd != std::u32string::npos; ++commas) {
        nameEnd = nameEnd == 0 ? std::u32string::npos : characters.rfind(U',', nameEnd - 1);
    }
    if (nameEnd == std::u32string::npos) nameEnd = characters.size();  // too few fields: ParseTimerLine says so
    const UnitText name = UnitTextFromCodePoints(std::u32string_view(characters).substr(0, nameEnd));
    const UnitText numbers = UnitTextFromCodePoints(std::u32string_view(characters).substr(nameEnd));
    return {name.latin1 + numbers.latin1, name.utf8, name.plainForms || numbers.plainForms};
}

std::string DescribeTimerFileConversion(const TimerFileContent& content, const std::string& path) {
    if (content.encoding == TimerFileEncoding::Latin1) return "";
    std::string sentence;
    switch (content.encoding) {
        case TimerFileEncoding::Latin1: break;
        case TimerFileEncoding::Utf8:
            sentence = Tr("TimerFile", "\"%1\" is in UTF-8, as today's editors such as Notepad save text, so CV Timer "
                                       "converted its names from UTF-8. Saving writes the file in Latin-1, the "
                                       "characters a Corvellan unit shows, as CV Timer always has.");
            break;
        case TimerFileEncoding::Windows1252:
            sentence = Tr("TimerFile", "\"%1\" is in Windows-1252, as older Windows editors save text, so CV Timer "
                                       "converted its names from Windows-1252. Saving writes the file in Latin-1, the "
                                       "characters a Corvellan unit shows, as CV Timer always has.");
            break;
        case TimerFileEncoding::Utf16:
            sentence = Tr("TimerFile", "\"%1\" is in UTF-16 (\"Unicode\"), as Notepad can save text, so CV Timer "
                                       "converted its names from UTF-16. Saving writes the file in Latin-1, the "
                                       "characters a Corvellan unit shows, as CV Timer always has.");
            break;
    }
    std::string note = FillPlaceholders(sentence, {path});
    if (content.plainForms) {
        note += ' ';
        note += Tr("TimerFile", "Typographic quotation marks, dashes and ellipses in the names became the plain "
                                "' \" - and ..., which the unit shows.");
    }
    for (int index = 0; index < kTimerCount; ++index) {
        const UnitText name = UnitTextFromUtf8(content.shownNames[static_cast<std::size_t>(index)]);
        if (name.foreign.empty()) continue;
        note += ' ';
        note += FillPlaceholders(Tr("TimerFile", "Timer %1's name holds %2, which a Corvellan unit cannot show."),
                                 {std::to_string(index + 1), DescribeCharacter(name.foreign.front().character)});
        break;
    }
    return note;
}

}  // namespace cv
