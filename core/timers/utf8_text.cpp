#include "core/timers/utf8_text.h"

namespace cv {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned long value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(byte)) return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::size_t IncompleteUtf8Tail(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const std::size_t start = text.size() - back;
        const auto lead = static_cast<unsigned char>(text[start]);
        if (IsContinuation(lead)) continue;
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length <= back) return 0;
        // Complete it with the smallest bytes a sequence with this lead may
        // hold: valid then exactly when some ending would make it valid.
        std::string completed(text.substr(start));
        if (back == 1) completed += lead == 0xE0 ? '\xA0' : lead == 0xF0 ? '\x90' : '\x80';
        completed.resize(length, '\x80');
        return Utf8SequenceLength(completed, 0) == length ? back : 0;
    }
    return 0;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string utf8;
    utf8.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            AppendUtf8(utf8, unit);
            continue;
        }
        const char32_t low = i + 3 < bytes.size() ? unitAt(i + 2) : 0;
        if (unit <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
            AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            i += 2;
        } else {
            AppendUtf8(utf8, U'\uFFFD');
        }
    }
    if (i < bytes.size()) AppendUtf8(utf8, U'\uFFFD');
    return utf8;
}

void AppendUtf8(std::string& text, char32_t character) {
    const auto c = static_cast<unsigned long>(character);
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string CodePointsFromUtf8(std::string_view text) {
    std::u32string characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            characters += U'\uFFFD';
            ++i;
            continue;
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        characters += value;
        i += length;
    }
    return characters;
}

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) AppendUtf8(utf8, static_cast<unsigned char>(c));
    return utf8;
}

std::optional<std::string> Latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (const char32_t c : CodePointsFromUtf8(utf8)) {
        // U+FFFD stands for a byte that is not UTF-8, and lies beyond Latin-1 too.
        if (c > 0xFF) return std::nullopt;
        latin1 += static_cast<char>(c);
    }
    return latin1;
}

bool IsControlCharacter(std::string_view text, std::size_t i, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (length == 1) return lead < 0x20 || lead == 0x7F;
    // U+0080 to U+009F: C2 80 to C2 9F.
    return length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

std::string CleanUtf8Line(std::string_view text) { return QuotableText(text, text.size()); }

std::string QuotableText(std::string_view text, std::size_t most) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string clean;
    clean.reserve(text.size());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == most) return clean + "...";
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0 || IsControlCharacter(text, i, length)) {
            clean += kReplacement;
            i += length == 0 ? 1 : length;
        } else {
            clean.append(text, i, length);
            i += length;
        }
    }
    return clean;
}

}  // namespace cv
