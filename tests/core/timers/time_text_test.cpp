#include "core/timers/time_text.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

struct ParseCase {
    const char* text;
    int minutes;
};

void ExpectParses(std::initializer_list<ParseCase> cases) {
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseTimeText(c.text), c.minutes) << "text '" << c.text << "'";
    }
}

TEST(ParseTimeText, ClockTimesAndPlainMinutes) {
    ExpectParses({{"6:00 AM", 360}, {"6:00", 360}, {"3:15 PM", 915}, {"3:15 pm", 915},
                  {"00:30", 30}, {"3", 3}, {"90", 90}, {"  7:05   PM", 1145},
                  {"11:59 PM", 1439}, {"00:00 PM", 720}});
}

TEST(ParseTimeText, TwelveOClockFollowsTheTwelveHourClock) {
    ExpectParses({{"12:00 PM", 720}, {"12:30 PM", 750}, {"12:00 AM", 0}, {"12:30 AM", 30},
                  {"12 PM", 720}, {"12 am", 0}, {"12:30", 750}});
}

TEST(ParseTimeText, SuffixInAnyCaseAndWithoutBlank) {
    ExpectParses({{"3:15 Pm", 915}, {"3:15 pM", 915}, {"6:00PM", 1080}, {"6:00pm", 1080},
                  {"6:00Am", 360}, {"6 PM", 1080}, {"6 am", 360}, {"6PM", 1080},
                  {"6:00 AM trailing words", 360}});
}

TEST(ParseTimeText, NotASuffix) {
    // Only a whole AM or PM word counts; anything else leaves the value alone.
    ExpectParses({{"6:00 PMX", 360}, {"6:00 P", 360}, {"6:00PMX", 360}, {"6 minutes", 6},
                  {"6 P M", 6}});
}

TEST(ParseTimeText, OddTextIsReadLeniently) {
    ExpectParses({{"1:2:3", 62}, {"1100:00", 464}, {"abc", 0}, {":30", 30}, {"x:15", 15},
                  {"-5", 65531}, {"1:", 1}, {"1:   ", 1}});
}

TEST(ParseTimeText, EmptyOrNoFirstNumberReadsZero) {
    ExpectParses({{"", 0}, {":", 0}, {":::", 0}, {"   ", 0}});
}

TEST(FormatTimeText, Forms) {
    const std::pair<int, const char*> cases[] = {
        {0, "00:00 AM"},  {3, "00:03 AM"},  {90, "01:30 AM"},   {240, "04:00 AM"},
        {719, "11:59 AM"}, {720, "00:00 PM"}, {780, "01:00 PM"}, {915, "03:15 PM"},
        {1439, "11:59 PM"}, {1440, "24:00"},  {1500, "25:00"},  {65535, "1092:15"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatTimeText(static_cast<MinutesOfDay>(value)), text) << value;
    }
}

TEST(TimeTextCodec, EveryValueSurvivesFormatThenParse) {
    for (int v = 0; v <= 0xFFFF; ++v) {
        const std::string text = FormatTimeText(static_cast<MinutesOfDay>(v));
        ASSERT_EQ(ParseTimeText(text), v) << "via '" << text << "'";
    }
}

}  // namespace
}  // namespace cv
