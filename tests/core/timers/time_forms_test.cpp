#include "core/timers/time_forms.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(MinutesMeantBy, ReadsTheLocalFormsOnlyAndLeavesEverythingElseToTheCodec) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"18 h 30", 1110},    {"18H30", 1110},       {"18 h", 1080},      {"2 hrs 30 min", 150},
        {"18 horas", 1080},   {"18 heures 5", 1085}, {"18.30", 1110},     {"6.30 pm", 1110},
        {"6:30 p. m.", 1110}, {"6 P.M.", 1080},      {"6:30p", 1110},     {"12:30 a.m.", 30},
        {"6:30\xA0PM", 1110},
        // Not one of them: the codec's own forms, and texts that are no time.
        {"6:30", std::nullopt},   {"90", std::nullopt},        {"6:30 PM", 1110},   {"1.5", std::nullopt},
        {"13 p.m.", std::nullopt}, {"18 h 75", std::nullopt},  {"6 hot", std::nullopt}, {"18 h 30 x", std::nullopt},
    };
    for (const auto& [text, minutes] : cases) {
        const std::optional<MinutesOfDay> meant = MinutesMeantBy(text);
        EXPECT_EQ(meant ? std::optional<int>(*meant) : std::nullopt, minutes) << text;
    }
}

}  // namespace
}  // namespace cv
