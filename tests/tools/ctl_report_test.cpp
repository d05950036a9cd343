// cvtimerctl report over a week of sends made as a kitchen makes them: the
// day-part plan run by the clock (faketime) against the simulated unit, sends
// by hand between, the clocks moving to summer time, and a record that had
// grown past its limit. The whole report is compared with a golden file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "core/record/send_log.h"
#include "tests/source_file.h"
#include "tests/tools/ctl_fixture.h"

namespace cv {
namespace {

constexpr const char* kNewYork = "TZ=America/New_York";

std::string Sheet(const std::string& name) {
    std::string text;
    for (int i = 1; i <= 10; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%-20s,%04d,0030,0003,0001\r\n", (name + " " + std::to_string(i)).c_str(),
                      300 + 10 * i);
        text += line;
    }
    return text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// Entries of another unit from before the week, as many as fit under the
// record's limit: the first send of the week makes the record drop the oldest
// half. They share one time stamp, so the record begins at the same minute
// whichever entry the cut falls on.
std::string FullRecord() {
    SendEntry entry;
    entry.when = "2026-03-04 02:00:00 -05:00";
    entry.user = "ben";
    entry.portNumber = 2;
    entry.device = "/dev/ttyUSB1";
    entry.source.filePath = "/home/ben/bar.csv";
    entry.outcome = "Timers Sent to Corvellan";
    for (TimerInSend& timer : entry.timers) {
        timer.settings = timer.name = MessageFate::Acknowledged;
        timer.values = {"Bar                 ", 600, 60, 3, 1};
    }
    const std::string one = FormatSendEntry(entry);
    std::string text;
    while (text.size() + one.size() <= kSendLogLimit) text += one;
    return text;
}

class CtlReportTest : public CtlTest {
protected:
    void SetUp() override {
        CtlTest::SetUp();
        StartUnit();
        WriteFile("breakfast.csv", Sheet("Breakfast"));
        WriteFile("lunch.csv", Sheet("Lunch"));
        WriteFile("special.csv", Sheet("Special"));
        WriteFile("CVTimerDayParts.ini", "[Breakfast]\nStart=5:30 AM\nDays=Mon-Fri\nSheet=breakfast.csv\n"
                                         "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=lunch.csv\n");
        Settings("");
    }

    void Settings(const std::string& language) {
        WriteFile("CVTimerSystem.ini", "[SerialComm]\nPortNo=1\n[Ports]\nCOM1=" + unit->DevicePath() + "\n" +
                                           (language.empty() ? "" : "[Display]\nLanguage=" + language + "\n"));
    }

    // cvtimerctl at a moment of New York's wall clock.
    Outcome At(const std::string& moment, const std::vector<std::string>& arguments) {
        return Ctl(folder.Path(), arguments, {"/usr/bin/faketime", "-f", "@" + moment},
                   {kNewYork, "FAKETIME_DONT_FAKE_MONOTONIC=1", "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"})
            .Finish();
    }

    // The report with the folder, the unit's device and the user made the same on every machine.
    std::string Report(const std::vector<std::string>& arguments) {
        const std::string log = SendLogPathIn(folder.Path());
        WriteBytes(log, std::regex_replace(ReadText(log), std::regex("\nUser: [^\n]*"), "\nUser: ben"));
        const Outcome report = Run(arguments);
        EXPECT_EQ(report.status, 0) << report.err;
        return Replaced(Replaced(report.out, folder.Path(), "FOLDER"), unit->DevicePath(), "DEVICE");
    }

    void MakeTheWeek() {
        WriteBytes(SendLogPathIn(folder.Path()), FullRecord());
        const auto messages = [this] { return static_cast<int>(unit->Messages().size()); };
        EXPECT_EQ(At("2026-03-05 05:30:20", {"dayparts", "run"}).status, 0);  // Breakfast, on time
        EXPECT_EQ(At("2026-03-05 10:42:00", {"dayparts", "run"}).status, 0);  // Lunch, 12 min late
        unit->SetBehaviour({.silentFrom = messages() + 1});
        EXPECT_EQ(At("2026-03-06 05:31:00", {"dayparts", "run"}).status, 1);  // the unit does not answer
        unit->SetBehaviour({});
        EXPECT_EQ(At("2026-03-06 06:00:00", {"dayparts", "run"}).status, 0);  // Breakfast, 30 min late
        EXPECT_EQ(At("2026-03-06 10:30:10", {"dayparts", "run"}).status, 0);
        EXPECT_EQ(At("2026-03-06 14:00:00", {"send", "special.csv"}).status, 0);
        const Outcome byHand = At("2026-03-06 14:05:00", {"dayparts", "run"});
        EXPECT_NE(byHand.out.find("A send by hand at"), std::string::npos) << byHand.out;
        EXPECT_EQ(At("2026-03-07 10:30:30", {"dayparts", "run"}).status, 0);
        unit->SetBehaviour({.wrongAnswerAt = messages() + 6});
        EXPECT_EQ(At("2026-03-07 15:00:00", {"send", "breakfast.csv"}).status, 1);  // stops at Timer 3's name
        unit->SetBehaviour({});
        EXPECT_EQ(At("2026-03-08 10:31:00", {"dayparts", "run"}).status, 0);  // summer time since 2 AM
        EXPECT_EQ(At("2026-03-08 16:00:00", {"send", "special.csv"}).status, 0);
        EXPECT_EQ(At("2026-03-09 11:00:00", {"dayparts", "run"}).status, 0);  // Breakfast missed
    }
};

TEST_F(CtlReportTest, AWeekOfTheRecordDayByDay) {
    MakeTheWeek();
    const std::string report = Report({"report", "--from", "2026-03-04", "--to", "2026-03-10", "--port", "1"});
    const std::string goldenPath = SourceFile("tests/tools/report_week.txt");
    if (std::getenv("CVTIMER_WRITE_GOLDEN")) WriteBytes(goldenPath, report);
    EXPECT_EQ(report, ReadText(goldenPath));

    // The same record in the user's language.
    Settings("es");
    const std::string spanish = Report({"report", "--date", "2026-03-09"});
    EXPECT_NE(spanish.find("lun 2026-03-09"), std::string::npos) << spanish;
    EXPECT_NE(spanish.find("Breakfast, vigente desde las 05:30 AM, se perdió: el plan de franjas horarias no se ejecutó"), std::string::npos) << spanish;
    Settings("fr");
    const std::string french = Report({"report", "--date", "2026-03-09"});
    EXPECT_NE(french.find("lun. 2026-03-09"), std::string::npos) << french;
    EXPECT_NE(french.find("Breakfast, en cours depuis 05:30 AM, a été manquée\u00a0: le plan des périodes"), std::string::npos) << french;
}

TEST_F(CtlReportTest, ExitStatusesAndADamagedRecord) {
    EXPECT_EQ(Run({"report", "--date", "2026-02-30"}).status, 2);
    EXPECT_EQ(Run({"report", "--from", "2026-03-09", "--to", "2026-03-08"}).status, 2);
    EXPECT_EQ(Run({"report", "--date", "2026-03-09", "--from", "2026-03-09", "--to", "2026-03-09"}).status, 2);
    WriteBytes(SendLogPathIn(folder.Path()), "=== Send at 2026-03-04 02:00:00 -05:00 ===\nUser: ben\n");
    const Outcome damaged = Run({"report", "--date", "2026-03-04"});
    EXPECT_EQ(damaged.status, 0) << damaged.err;
    EXPECT_NE(damaged.out.find("\n1 entry of the record, cut short or damaged, was left out.\n"), std::string::npos)
        << damaged.out;
    std::filesystem::remove(SendLogPathIn(folder.Path()));
    std::filesystem::create_directory(folder.File("CVTimerSends.log"));
    const Outcome unreadable = Run({"report"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("cannot be read"), std::string::npos) << unreadable.err;
}

}  // namespace
}  // namespace cv
