#include "core/record/record_text.h"

namespace cv {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string CleanRecordText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0 || (length == 1 && IsControl(static_cast<unsigned char>(text[i])))) {
            clean += kReplacement;
            ++i;
        } else {
            clean.append(text, i, length);
            i += length;
        }
    }
    return clean;
}

}  // namespace cv
