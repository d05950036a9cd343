#include "core/record/record_text.h"

#include "core/platform/utf8_text.h"

namespace cv {

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
        const std::size_t length = Utf8SequenceLength(utf8, i);
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

std::string CleanRecordText(std::string_view text) { return CleanUtf8Line(text); }

bool IsRecordLineText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0 || (length == 1 && IsControlCharacter(text, i, length))) return false;
        i += length;
    }
    return true;
}

}  // namespace cv
