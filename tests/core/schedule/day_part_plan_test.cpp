// The plan file: what it takes, what it refuses (naming the line), and how
// the window's changes are written into a file a person wrote.

#include <gtest/gtest.h>

#include "core/schedule/day_part_plan.h"

namespace cv {
namespace {

DayPartPlanReading Parse(const std::string& text) { return ParseDayPartPlan(text, "plan.ini"); }

TEST(DayPartPlan, ReadsWhatASiteWrites) {
    // Notepad's byte order mark, CRLF, comments, case, quotes, full day names,
    // a range with blanks round its dash, and a Windows-1252 name.
    const DayPartPlanReading reading = Parse(
        "\xEF\xBB\xBF; kitchen plan\r\n[breakfast]\r\nstart = 5:30am\r\nDAYS=Monday - Friday\r\nSheet=\"b f.csv\"\r\n"
        "[Caf\xC3\xA9]\r\nStart=17:30\r\nDays=Fri-Mon\r\nSheet=c.csv\r\n[plan]\r\nclosed=2027-01-01 2026-12-25\r\nPort=3\r\n");
    ASSERT_EQ(reading.status, DayPartPlanReading::Status::Read) << reading.problem;
    const DayPartPlan& plan = reading.plan;
    ASSERT_EQ(plan.parts.size(), 2u);
    EXPECT_EQ(plan.parts[0].name, "breakfast");
    EXPECT_EQ(plan.parts[0].start, 330);
    EXPECT_EQ(FormatPlanDays(plan.parts[0].days), "Mon-Fri");
    EXPECT_EQ(plan.parts[0].sheet, "b f.csv");
    EXPECT_EQ(plan.parts[1].name, "Caf\xC3\xA9");
    EXPECT_EQ(FormatPlanDays(plan.parts[1].days), "Fri-Mon");
    EXPECT_EQ(FormatPlanDates(plan.closed), "2026-12-25, 2027-01-01");
    EXPECT_EQ(plan.port, 3);
    EXPECT_EQ(Parse("[Caf\xE9]\nStart=9:00\nDays=Sun\nSheet=x.csv\n").plan.parts.at(0).name, "Caf\xC3\xA9");
}

TEST(DayPartPlan, RefusesWhatItCannotBeSureOfNamingTheLine) {
    const std::string lunch = "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=lunch.csv\n";
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {lunch + "Colour=red\n", 5, "no setting \"Colour\""},
        {"[Lunch]\nStart=10:30 AM\nDays=Mon-Fry\nSheet=lunch.csv\n", 3, "\"Fry\" is not a day"},
        {lunch + "[Brunch]\nStart=10:30\nDays=Sat, Sun\nSheet=brunch.csv\n", 5, "[Lunch] and [Brunch] both start at 10:30 AM on Sat"},
        {"[Lunch]\nDays=Every day\nSheet=lunch.csv\n", 1, "has no Start="},
        {"[Lunch]\nStart=10:30 AM\nDays=Every day\n", 1, "has no Sheet="},
        {"[Lunch]\nStart=10:30 AM\nSheet=lunch.csv\n", 1, "neither Days= nor Dates="},
        {"[Eve]\nStart=2:00 PM\nDates=2026-02-30\nSheet=e.csv\n", 3, "\"2026-02-30\" is not a date"},
        {"[Lunch]\nStart=18 h 30\nDays=Sun\nSheet=l.csv\n", 2, "is not a time of day"},
        {"[Lunch]\nStart=90\nDays=Sun\nSheet=l.csv\n", 2, "is not a time of day"},
        {"; only a comment\n", 0, "holds no day part"},
        {"Start=5:30\n" + lunch, 1, "stands before the first section"},
        {lunch + "[lunch]\nStart=11:00\nDays=Sun\nSheet=x.csv\n", 5, "second [lunch]"},
        {lunch + "[Plan]\nPort=0\n", 6, "is not a Comm Port"},
        {"\xFF\xFE[\0L\0", 0, "UTF-16"},
    };
    for (const Case& c : cases) {
        const DayPartPlanReading reading = Parse(c.text);
        EXPECT_EQ(reading.status, DayPartPlanReading::Status::Refused) << c.text;
        EXPECT_EQ(reading.line, c.line) << reading.problem;
        EXPECT_NE(reading.problem.find(c.says), std::string::npos) << reading.problem;
        if (c.line > 0) {
            EXPECT_TRUE(reading.problem.starts_with("plan.ini, line " + std::to_string(c.line) + ":")) << reading.problem;
        }
    }
}

TEST(DayPartPlan, TheWindowsChangesKeepWhatAPersonWrote) {
    const std::string old =
        "; Store 12\n\n"
        "; early\n[Breakfast]\nStart=05:30\nDays=Mon Tue Wed Thu Fri\nSheet=b.csv\n\n"
        "; gone soon\n[Tea]\nStart=4:00 PM\nDays=Sun\nSheet=t.csv\n\n"
        "[Plan]\n; holidays\nClosed=2026-12-25\n";
    DayPartPlan plan = Parse(old).plan;
    plan.parts[0].sheet = "breakfast.csv";        // changed
    plan.parts.erase(plan.parts.begin() + 1);     // Tea removed
    plan.parts.push_back({"Lunch", 630, kEveryDay, {}, "l.csv", 0});  // added
    plan.port = 2;
    const std::string written = UpdateDayPartPlanText(old, plan, {"Breakfast", ""});
    EXPECT_EQ(written,
              "; Store 12\n\n"
              "; early\n[Breakfast]\nStart=05:30\nDays=Mon Tue Wed Thu Fri\nSheet=breakfast.csv\n\n"
              "; gone soon\n\n"
              "[Plan]\n; holidays\nClosed=2026-12-25\nPort=2\n\n"
              "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=l.csv\n");
    const DayPartPlanReading again = Parse(written);
    ASSERT_EQ(again.status, DayPartPlanReading::Status::Read) << again.problem;
    ASSERT_EQ(again.plan.parts.size(), 2u);
    plan.parts[0].line = again.plan.parts[0].line;
    plan.parts[1].line = again.plan.parts[1].line;
    EXPECT_EQ(again.plan.parts, plan.parts);
    // A renamed part keeps its place.
    plan.parts[0].name = "Early";
    EXPECT_NE(UpdateDayPartPlanText(written, plan, {"Breakfast", "Lunch"}).find("; early\n[Early]\nStart=05:30\n"),
              std::string::npos);
}

}  // namespace
}  // namespace cv
