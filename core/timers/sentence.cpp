#include "core/timers/sentence.h"

namespace cv {

std::string FillPlaceholders(std::string_view sentence, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(sentence.size() + 32);
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        if (sentence[i] == '%' && i + 1 < sentence.size() && sentence[i + 1] >= '1' && sentence[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(sentence[i + 1] - '1');
            if (index < values.size()) {
                filled += values.begin()[index];
                ++i;
                continue;
            }
        }
        filled += sentence[i];
    }
    return filled;
}

}  // namespace cv
