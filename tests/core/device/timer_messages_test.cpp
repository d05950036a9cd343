#include "core/device/timer_messages.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(TimerMessages, SettingsMessageWidths) {
    const std::pair<TimerRecord, const char*> cases[] = {
        {{"", 360, 30, 3, 1}, "{86,0,1,0360,0030,0003}"},
        {{"", 65535, 0, 3, 12}, "{86,0,12,65535,0000,0003}"},
        {{"", 9999, 10000, 0, -1}, "{86,0,-1,9999,10000,0000}"},
    };
    for (const auto& [record, message] : cases) EXPECT_EQ(BuildSettingsMessage(0, record), message);
    EXPECT_EQ(BuildSettingsMessage(9, {"", 1, 2, 3, 4}), "{86,9,4,0001,0002,0003}");
}

TEST(TimerMessages, NameMessageIsAlwaysTwentySevenCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Hands Washing", "{87,3,Hands Washing       }"},
        {"", "{87,3,                    }"},
        {"Guest Trac          ", "{87,3,Guest Trac          }"},
        {"Nineteen characters", "{87,3,Nineteen characters }"},
        {"Twenty characters!!!", "{87,3,Twenty characters!! }"},
        {"Walk-in Freezer Door Seal", "{87,3,Walk-in Freezer Doo }"},
    };
    for (const auto& [name, message] : cases) {
        const std::string built = BuildNameMessage(3, {name, 0, 0, 0, 0});
        EXPECT_EQ(built, message);
        EXPECT_EQ(built.size(), 27u);
    }
}

TEST(FindUnsendableCharacter, BracesAndControlCharactersInWhatGoesOnTheLine) {
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"Fries {large}", 6},
        {"Fries large}", 11},
        {std::string("Tab\tstop"), 3},
        {std::string("Nul\0", 4), 3},
        {"Del\x7f", 3},
        {"Caf\xe9 au lait", std::nullopt},  // Latin-1 letters are text
        {"Walk-in Freezer Doo{r}", std::nullopt},  // the brace is past the 19 characters sent
    };
    for (const auto& [name, position] : cases) EXPECT_EQ(FindUnsendableCharacter(name), position) << name;
    EXPECT_EQ(DescribeUnsendableName(2, "Fries {large}", 6),
              "Timer 3's name holds \"{\" at character 7, which a Corvellan unit cannot take: braces mark where a "
              "message begins and ends. Change the name and send again. Nothing was sent.");
    EXPECT_NE(DescribeUnsendableName(0, "Tab\tstop", 3).find("a control character (0x09) at character 4"),
              std::string::npos);
}

}  // namespace
}  // namespace cv
