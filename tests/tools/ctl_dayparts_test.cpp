// cvtimerctl dayparts against the simulated unit, at moments chosen with
// faketime: the whole program reads the clock as a scheduled run would.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "core/device/serial_link.h"
#include "core/record/send_log.h"
#include "tests/tools/ctl_fixture.h"

namespace cv {
namespace {

// New York's rules without the time-zone database.
constexpr const char* kNewYork = "TZ=EST5EDT,M3.2.0,M11.1.0";

std::string Sheet(const std::string& name) {
    std::string text;
    for (int i = 1; i <= 10; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%-20s,%04d,0030,0003,0001\r\n", (name + " " + std::to_string(i)).c_str(), 300 + i);
        text += line;
    }
    return text;
}

class DayPartsTest : public CtlTest {
protected:
    void SetUp() override {
        CtlTest::SetUp();
        WriteFile("breakfast.csv", Sheet("Breakfast"));
        WriteFile("lunch.csv", Sheet("Lunch"));
        WriteFile("CVTimerDayParts.ini", "[Breakfast]\nStart=5:30 AM\nDays=Mon-Fri\nSheet=breakfast.csv\n"
                                         "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=lunch.csv\n");
        // The desktop's notice, as notify-send gets it: written down instead of shown.
        ASSERT_EQ(mkdir(folder.File("bin").c_str(), 0755), 0);
        const std::string notifier = WriteFile("bin/notify-send", "#!/bin/sh\nprintf '%s|' \"$@\" >>\"${0%/bin/*}/notices.txt\"\necho >>\"${0%/bin/*}/notices.txt\"\n");
        ASSERT_EQ(chmod(notifier.c_str(), 0755), 0);
    }

    std::string Notices() {
        std::ifstream in(folder.File("notices.txt"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // dayparts run at a moment of New York's wall clock.
    Outcome RunAt(const std::string& moment) {
        return Ctl(folder.Path(), {"dayparts", "run", "--device", unit->DevicePath()},
                   {"/usr/bin/faketime", "-f", "@" + moment},
                   {kNewYork, "FAKETIME_DONT_FAKE_MONOTONIC=1", "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0",
                    "PATH=" + folder.File("bin") + ":" + std::getenv("PATH")})
            .Finish();
    }

    std::vector<SendEntry> Record() { return ReadSendLog(SendLogPathIn(folder.Path())).content.entries; }
};

TEST_F(DayPartsTest, SendsTheDuePartOnceAndNotesHowLateItWent) {
    StartUnit();
    const Outcome late = RunAt("2026-12-10 10:42:00");
    EXPECT_EQ(late.status, 0) << late.err;
    EXPECT_NE(late.out.find("Lunch sent to the unit by the day-part plan, 12 min after its start at 10:30 AM."),
              std::string::npos)
        << late.out;
    EXPECT_EQ(unit->Messages().size(), 20u);

    const Outcome again = RunAt("2026-12-10 10:43:00");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("The unit holds the timers of Lunch already; nothing was sent."), std::string::npos);
    EXPECT_EQ(unit->Messages().size(), 20u);

    const std::vector<SendEntry> record = Record();
    ASSERT_EQ(record.size(), 1u);
    EXPECT_EQ(record[0].origin.dayPart, "Lunch");
    EXPECT_EQ(record[0].origin.due, "2026-12-10 10:30:00 -05:00");
    EXPECT_EQ(record[0].origin.late, "12 min");
}

TEST_F(DayPartsTest, ASilentUnitFailsOnceInTheRecordAndTheNextRunTriesAgain) {
    StartUnit({.silentFrom = 1});
    const Outcome silent = RunAt("2026-12-10 05:31:00");
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(silent.err.starts_with("The day-part plan could not send Breakfast.\n")) << silent.err;
    const Outcome stillSilent = RunAt("2026-12-10 05:36:00");
    EXPECT_EQ(stillSilent.status, 1);
    ASSERT_EQ(Record().size(), 1u);  // the same failure is not written twice
    EXPECT_NE(Record()[0].outcome.find("Unable to Send Timers to Corvellan"), std::string::npos);

    unit->SetBehaviour({});
    const Outcome answered = RunAt("2026-12-10 05:41:00");
    EXPECT_EQ(answered.status, 0) << answered.err;
    EXPECT_EQ(Record().size(), 2u);
    // Told once of the failure, and once that it is mended.
    const std::vector<std::string> notices = Lines(Notices());
    ASSERT_EQ(notices.size(), 2u) << Notices();
    EXPECT_NE(notices[0].find("--urgency=critical|--|CV Timer: Breakfast was not sent|"), std::string::npos) << notices[0];
    EXPECT_NE(notices[1].find("|CV Timer: the unit is right again|Breakfast sent to the unit at 05:41 AM"), std::string::npos)
        << notices[1];
}

TEST_F(DayPartsTest, APortInUseIsWaitedForThenUsed) {
    StartUnit();
    SerialLink window;
    ASSERT_TRUE(window.OpenDevice(unit->DevicePath(), 9600)) << window.LastError().systemText;
    Ctl run(folder.Path(), {"dayparts", "run", "--device", unit->DevicePath()});
    ASSERT_TRUE(run.WaitForOutput("waiting up to 60 seconds"));
    window.Close();
    const Outcome sent = run.Finish();
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_NE(sent.out.find("is in use by test_tools (process " + std::to_string(getpid()) + ")"), std::string::npos)
        << sent.out;
    EXPECT_EQ(unit->Messages().size(), 20u);
}

TEST_F(DayPartsTest, ShowAndTheExitStatusesOfARunThatCannotSend) {
    const Outcome week = Ctl(folder.Path(), {"dayparts", "show", "--week", "--at", "2026-03-05 09:00"}, {}, {kNewYork}).Finish();
    EXPECT_EQ(week.status, 0) << week.err;
    EXPECT_NE(week.out.find("At Thu 2026-03-05 09:00 AM: Breakfast is due, since Thu 2026-03-05 05:30 AM"), std::string::npos)
        << week.out;
    EXPECT_NE(week.out.find("Sun 2026-03-08  (the clocks change from -05:00 to -04:00)"), std::string::npos) << week.out;

    WriteFile("lunch.csv", "not a timer file\n");
    StartUnit();
    const Outcome unreadable = RunAt("2026-12-10 11:00:00");
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("The timers of Lunch cannot be sent:"), std::string::npos) << unreadable.err;
    EXPECT_EQ(unit->Messages().size(), 0u);
    ASSERT_EQ(Record().size(), 1u);  // the switch that did not happen is on record
    EXPECT_EQ(Record()[0].origin.dayPart, "Lunch");

    WriteFile("CVTimerDayParts.ini", "[Lunch]\nStart=10:30 AM\nDays=Mon-Fry\nSheet=lunch.csv\n");
    EXPECT_EQ(Run({"dayparts", "run"}).status, 2);
    EXPECT_EQ(Run({"dayparts", "show"}).status, 2);
    EXPECT_EQ(Run({"dayparts", "run", "--plan", "none.ini"}).status, 3);
}

}  // namespace
}  // namespace cv
