// cvtimerctl send writes the record of sends, and cvtimerctl sent reads it
// back: what the unit holds, and the sends newest first.

#include <filesystem>
#include <string>
#include <vector>

#include "core/record/send_log.h"
#include "tests/golden.h"
#include "tests/tools/ctl_fixture.h"

namespace cv {
namespace {

class CtlSentTest : public CtlTest {
protected:
    void SetUp() override {
        CtlTest::SetUp();
        StartUnit();
        WriteFile("CVTimerSystem.ini", "[SerialComm]\nPortNo=1\n[Ports]\nCOM1=" + unit->DevicePath() + "\n");
        WriteFile("default.csv", golden::kDefaultTimerFile);
        WriteFile("lunch.csv", golden::kLunchTimerFile);
    }
    std::vector<SendEntry> Record() const { return ReadSendLog(SendLogPathIn(folder.Path())).content.entries; }
};

TEST_F(CtlSentTest, AFullAndAPartialSendAreReadBack) {
    const Outcome full = Run({"send", "default.csv"});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_EQ(full.err, "");
    unit->SetBehaviour({.wrongAnswerAt = 20 + 6});
    const Outcome partial = Run({"send", "lunch.csv"});
    ASSERT_EQ(partial.status, 1);
    EXPECT_NE(partial.err.find("\nThe unit took Timers 1 and 2 and Timer 3's settings; whether it took Timer 3's name "
                               "is not known. Timers 4 to 10 were not sent. cvtimerctl sent shows what the unit "
                               "holds now.\n"),
              std::string::npos)
        << partial.err;
    const std::vector<SendEntry> record = Record();
    ASSERT_EQ(record.size(), 2u);
    EXPECT_EQ(record[0].source.filePath, folder.File("default.csv"));
    const std::string first = record[0].when + ", default.csv";
    const std::string second = record[1].when + ", lunch.csv";

    const Outcome held = Run({"sent"});
    EXPECT_EQ(held.status, 0) << held.err;
    const std::vector<std::string> lines = Lines(held.out);
    ASSERT_GE(lines.size(), 12u) << held.out;
    EXPECT_EQ(lines[0], "The unit on port 1, as 2 recorded sends left it:");
    EXPECT_EQ(lines[1], "Timer  Name                Start     Repeat    Snooze    Priority  Sent");
    EXPECT_EQ(lines[2], "    1  Lunch 1             11:00 AM  01:00 AM  00:05 AM         2  " + second);
    EXPECT_EQ(lines[4], "    3  not known           11:02 AM  01:02 AM  00:05 AM         2  " + second +
                            ": its name went without acknowledgement");
    EXPECT_EQ(lines[5], "    4  Travel Path         06:30 AM  02:00 AM  00:03 AM         1  " + first);
    EXPECT_EQ(lines.back(), "The record knows only the sends made from this folder: " +
                                SendLogPathIn(folder.Path()));
    const Outcome byDevice = Run({"sent", "--device", unit->DevicePath()});
    EXPECT_EQ(Lines(byDevice.out)[0], "The unit on " + unit->DevicePath() + ", as 2 recorded sends left it:");
    EXPECT_EQ(byDevice.out.substr(byDevice.out.find('\n')), held.out.substr(held.out.find('\n')));

    const Outcome history = Run({"sent", "--history"});
    EXPECT_EQ(history.status, 0) << history.err;
    const std::vector<std::string> sends = Lines(history.out);
    ASSERT_GE(sends.size(), 3u) << history.out;
    EXPECT_TRUE(sends[1].starts_with(record[1].when + "  " + record[1].user + "  1     lunch.csv    by hand  Unable to "
                                                                              "Send Timers to Corvellan. Timer 3 was not"))
        << history.out;
    EXPECT_TRUE(sends[2].ends_with("  1     default.csv  by hand  Timers Sent to Corvellan")) << history.out;

    const Outcome otherPort = Run({"sent", "--port", "2"});
    EXPECT_NE(otherPort.out.find("\n    1  not known  not known  not known  not known  not known  not known: no "
                                 "send recorded here\n"),
              std::string::npos)
        << otherPort.out;
}

TEST_F(CtlSentTest, ARecordThatCannotBeWrittenNeverFailsTheSendAndSentSaysWhyItCannotRead) {
    std::filesystem::create_directory(PathFromUtf8(SendLogPathIn(folder.Path())));
    const Outcome sent = Run({"send", "default.csv"});
    EXPECT_EQ(sent.status, 0);
    EXPECT_NE(sent.out.find("Timers Sent to Corvellan\n"), std::string::npos);
    EXPECT_EQ(unit->Messages(), golden::kDefaultMessages);
    EXPECT_EQ(sent.err, "cvtimerctl: This send could not be added to the record of sends, " +
                            SendLogPathIn(folder.Path()) + ": Is a directory.\n");

    const Outcome read = Run({"sent"});
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.err, "cvtimerctl sent: The record of sends, " + SendLogPathIn(folder.Path()) +
                            ", cannot be read: Is a directory.\n");
}

}  // namespace
}  // namespace cv
