#include "tools/unit_messages.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(DecodeSettingsMessage, ReadsEveryField) {
    struct Case {
        const char* message;
        int index, priority, start, repeat, snooze;
    };
    const Case cases[] = {
        {"{86,0,1,0360,0030,0003}", 0, 1, 360, 30, 3},
        {"{86,9,12,65535,0000,10000}", 9, 12, 65535, 0, 10000},
        {"{86,4,-2147483648,0001,0240,0000}", 4, -2147483648, 1, 240, 0},
        {"{86,2,2147483647,1439,0045,0003}", 2, 2147483647, 1439, 45, 3},
    };
    for (const Case& c : cases) {
        std::optional<SettingsMessage> decoded = DecodeSettingsMessage(c.message);
        ASSERT_TRUE(decoded) << c.message;
        EXPECT_EQ(decoded->index, c.index) << c.message;
        EXPECT_EQ(decoded->priority, c.priority) << c.message;
        EXPECT_EQ(decoded->startTime, c.start) << c.message;
        EXPECT_EQ(decoded->repeatInterval, c.repeat) << c.message;
        EXPECT_EQ(decoded->snoozeTime, c.snooze) << c.message;
    }
}

TEST(DecodeSettingsMessage, RejectsWhatTheProgramNeverSends) {
    const char* const malformed[] = {
        "",
        "{86,0,1,0360,0030,0003",       // no closing brace
        "{86,0,1,0360,0030,0003} ",     // something after it
        " {86,0,1,0360,0030,0003}",     // something before it
        "{86,10,1,0360,0030,0003}",     // index of two digits
        "{86,,1,0360,0030,0003}",       // no index
        "{86,0,,0360,0030,0003}",       // no priority
        "{86,0,-,0360,0030,0003}",      // a sign alone
        "{86,0,2147483648,0360,0030,0003}",
        "{86,0,1,360,0030,0003}",       // not zero-padded
        "{86,0,1,65536,0030,0003}",     // beyond 16 bits
        "{86,0,1,000360,0030,0003}",    // six digits
        "{86,0,1,0360,0030}",           // a field missing
        "{86,0,1,0360,0030,0003,0003}", // a field too many
        "{86,0,1,-360,0030,0003}",      // negative time
        "{87,0,1,0360,0030,0003}",      // wrong kind
    };
    for (const char* message : malformed) EXPECT_FALSE(DecodeSettingsMessage(message)) << message;
}

TEST(DecodeNameMessage, TakesTheTwentyCharacterFieldAndTrimsTrailingBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"{87,0,Hands Washing       }", "Hands Washing"},
        {"{87,7,Guest Trac          }", "Guest Trac"},
        {"{87,9,  Indented Name     }", "  Indented Name"},
        {"{87,3,                    }", ""},
        {"{87,5,Nineteen chars long }", "Nineteen chars long"},
        {"{87,6,{odd, but a name}   }", "{odd, but a name}"},
    };
    for (const auto& [message, name] : cases) {
        std::optional<NameMessage> decoded = DecodeNameMessage(message);
        ASSERT_TRUE(decoded) << message;
        EXPECT_EQ(decoded->name, name) << message;
    }
    EXPECT_EQ(DecodeNameMessage("{87,9,Shake Machine       }")->index, 9);
}

TEST(DecodeNameMessage, RejectsAWrongWidthOrIndex) {
    const char* const malformed[] = {
        "{87,0,Hands Washing      }",    // 19 characters
        "{87,0,Hands Washing        }",  // 21 characters
        "{87,10,Hands Washing       }",
        "{87,,Hands Washing         }",
        "{87,0,Hands Washing       ",
        "{86,0,Hands Washing       }",
    };
    for (const char* message : malformed) EXPECT_FALSE(DecodeNameMessage(message)) << message;
}

TEST(DescribeTimer, ShowsTimesAsTheSheetDoes) {
    EXPECT_EQ(DescribeTimer({0, "Hands Washing", 360, 30, 3, 1}),
              "Timer 1 \"Hands Washing\": start 06:00 AM, repeat 00:30 AM (30 min), "
              "snooze 00:03 AM (3 min), priority 1");
    EXPECT_EQ(DescribeTimer({9, "Bell\a", 780, 1440, 0, -2}),
              "Timer 10 \"Bell\\x07\": start 01:00 PM, repeat 24:00 (1440 min), "
              "snooze 00:00 AM (0 min), priority -2");
}

TEST(EscapeForDisplay, KeepsPrintableTextAndSpellsOutTheRest) {
    EXPECT_EQ(EscapeForDisplay("{86,0}"), "{86,0}");
    EXPECT_EQ(EscapeForDisplay(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(EscapeForDisplay("\r\n\xff\\"), "\\x0d\\x0a\\xff\\\\");
}

}  // namespace
}  // namespace cv
