#include "core/timers/unit_text.h"

#include <algorithm>
#include <cstdio>

#include "core/language/word_list.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

struct PlainForm {
    char32_t first;
    char32_t last;
    std::string_view plain;
};

// Word processors, phones and Windows-1252 files bring these in place of the
// plain characters a supervisor meant. Sorted by first.
constexpr PlainForm kPlainForms[] = {
    {U'\u2000', U'\u200A', " "},   // en quad to hair space
    {U'\u2010', U'\u2015', "-"},   // hyphen, non-breaking hyphen, figure dash, en and em dash, bar
    {U'\u2018', U'\u201B', "'"},   // single quotation marks
    {U'\u201C', U'\u201F', "\""},  // double quotation marks
    {U'\u2026', U'\u2026', "..."},
    {U'\u202F', U'\u202F', " "},   // narrow no-break space
    {U'\u2032', U'\u2032', "'"},   // prime
    {U'\u2033', U'\u2033', "\""},  // double prime
    {U'\u205F', U'\u205F', " "},   // medium mathematical space
    {U'\u2212', U'\u2212', "-"},   // minus sign
};

}  // namespace

std::string_view PlainFormOf(char32_t character) {
    const auto after = std::upper_bound(std::begin(kPlainForms), std::end(kPlainForms), character,
                                        [](char32_t c, const PlainForm& form) { return c < form.first; });
    if (after == std::begin(kPlainForms)) return {};
    const PlainForm& form = *(after - 1);
    return character <= form.last ? form.plain : std::string_view();
}

UnitText UnitTextFromCodePoints(std::u32string_view text) {
    UnitText unit;
    unit.latin1.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c <= 0xFF) {
            unit.latin1 += static_cast<char>(c);
            AppendUtf8(unit.utf8, c);
        } else if (const std::string_view plain = PlainFormOf(c); !plain.empty()) {
            unit.latin1 += plain;
            unit.utf8 += plain;
            unit.plainForms = true;
        } else {
            unit.latin1 += '?';
            AppendUtf8(unit.utf8, c);
            unit.foreign.push_back({i, c});
        }
    }
    return unit;
}

UnitText UnitTextFromUtf8(std::string_view text) { return UnitTextFromCodePoints(CodePointsFromUtf8(text)); }

std::string DescribeCharacter(char32_t character) {
    std::string text;
    AppendUtf8(text, character);
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04lX)", static_cast<unsigned long>(character));
    return QuoteData(text) + code;
}

std::string Latin1TextOr(std::string_view utf8, std::string_view english) {
    UnitText text = UnitTextFromUtf8(utf8);
    return text.foreign.empty() ? std::move(text.latin1) : std::string(english);
}

}  // namespace cv
