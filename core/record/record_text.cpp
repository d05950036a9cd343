#include "core/record/record_text.h"

namespace cv {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at text[i], or 0 when there is none
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
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

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// U+0080 to U+009F: C2 80 to C2 9F.
bool IsWideControl(std::string_view text, std::size_t i, std::size_t length) {
    return length == 2 && static_cast<unsigned char>(text[i]) == 0xC2 &&
           static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

}  // namespace

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::optional<std::string> Latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = SequenceLength(utf8, i);
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (length == 1) {
            latin1 += utf8[i];
        } else if (length == 2 && lead <= 0xC3) {
            latin1 += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        } else {
            return std::nullopt;
        }
        i += length;
    }
    return latin1;
}

std::string CleanRecordText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0 || (length == 1 && IsControl(static_cast<unsigned char>(text[i])))) {
            clean += kReplacement;
            ++i;
        } else if (IsWideControl(text, i, length)) {
            clean += kReplacement;
            i += length;
        } else {
            clean.append(text, i, length);
            i += length;
        }
    }
    return clean;
}

bool IsRecordLineText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0 || (length == 1 && IsControl(static_cast<unsigned char>(text[i])))) return false;
        i += length;
    }
    return true;
}

}  // namespace cv
