#include "core/platform/utf8_text.h"

namespace cv {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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

bool IsControlCharacter(std::string_view text, std::size_t i, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (length == 1) return lead < 0x20 || lead == 0x7F;
    // U+0080 to U+009F: C2 80 to C2 9F.
    return length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

std::string CleanUtf8Line(std::string_view text) { return QuotableText(text, text.size()); }

std::string QuotableText(std::string_view text, std::size_t most) {
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
