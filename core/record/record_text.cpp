#include "core/record/record_text.h"

namespace cv {

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
