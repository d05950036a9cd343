// The time text codec: every value survives its own text, letter case never
// matters, and whatever is typed reads as a value that survives in turn. A
// time written another way ("18 h 30") means the same in any letter case, and
// the "h:mm" the sheet advises instead reads as what it means.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/timers/time_forms.h"
#include "core/timers/time_text.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string WithCase(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (unsigned value = 0; value <= 0xFFFF; ++value) {
        const auto minutes = static_cast<cv::MinutesOfDay>(value);
        FUZZ_CHECK(cv::ParseTimeText(cv::FormatTimeText(minutes)) == minutes);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const cv::MinutesOfDay value = cv::ParseTimeText(text);
    FUZZ_CHECK(cv::ParseTimeText(WithCase(text, true)) == value);
    FUZZ_CHECK(cv::ParseTimeText(WithCase(text, false)) == value);
    FUZZ_CHECK(cv::ParseTimeText(cv::FormatTimeText(value)) == value);

    const std::optional<cv::MinutesOfDay> meant = cv::MinutesMeantBy(text);
    FUZZ_CHECK(cv::MinutesMeantBy(WithCase(text, true)) == meant);
    if (meant) {
        const std::string advised = std::to_string(*meant / 60) + ":" + std::to_string(*meant % 60 / 10) +
                                    std::to_string(*meant % 10);
        FUZZ_CHECK(cv::ParseTimeText(advised) == *meant);
    }
    return 0;
}
