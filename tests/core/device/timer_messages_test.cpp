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

}  // namespace
}  // namespace cv
