#include "core/timers/lenient_number.h"

namespace cv {

namespace {
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

std::int32_t LenientAtoi(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

}  // namespace cv
