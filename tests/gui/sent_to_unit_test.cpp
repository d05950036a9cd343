// The record of sends from the window: every send adds its entry, the box
// after a partial send says what the unit took, and View > Sent to Unit shows
// what the unit holds and marks where the sheet differs, following the typing
// and the port choice.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <sys/stat.h>
#include <unistd.h>

#include "core/device/serial_link.h"
#include "core/record/send_log.h"
#include "gui/windows/sent_to_unit_window.h"
#include "tests/golden.h"
#include "tests/gui/sheet_fixture.h"
#include "tools/simulated_unit.h"

namespace cv {
namespace {

class SentToUnitTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        std::string error;
        ASSERT_TRUE(unit.Start(&error)) << error;
        link.SetPortResolver([this](int port) {
            PortLookup lookup;
            lookup.found = port == 1;
            lookup.device = unit.DevicePath();
            return lookup;
        });
        sheet->SetLink(link);
        WriteBytes(FolderPath("default.csv"), golden::kDefaultTimerFile);
        WriteBytes(FolderPath("lunch.csv"), golden::kLunchTimerFile);
    }

    void Send() {
        prompts.shown.clear();
        sheet->SendButton()->click();
        ASSERT_FALSE(sheet->IsSending());
    }
    std::vector<SendEntry> Record() const { return ReadSendLog(SendLogPathIn(folder.Path())).content.entries; }
    SentToUnitWindow& Window() {
        app.OnSentToUnit();
        return *app.SentToUnit();
    }
    // The marks of one timer's five fields.
    std::vector<FieldMatch> Marks(int timer) {
        std::vector<FieldMatch> marks;
        for (TimerField field : kTimerFields) marks.push_back(app.SentToUnit()->MarkAt(timer, field));
        return marks;
    }
    static std::vector<FieldMatch> All(FieldMatch mark) { return std::vector<FieldMatch>(kFieldsPerTimer, mark); }

    SimulatedUnit unit;
    SerialLink link;
};

TEST_F(SentToUnitTest, AFullSendIsRecordedAndTheMarksFollowTypingAndThePortChoice) {
    Load(FolderPath("default.csv"));
    Send();
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_EQ(prompts.shown[0].detail, "");
    std::vector<SendEntry> record = Record();
    ASSERT_EQ(record.size(), 1u);
    EXPECT_EQ(record[0].source, (SendSource{FolderPath("default.csv"), false}));
    EXPECT_EQ(record[0].portNumber, 1);
    EXPECT_EQ(record[0].device, unit.DevicePath());
    EXPECT_EQ(record[0].outcome, "Timers Sent to Corvellan");

    SentToUnitWindow& window = Window();
    EXPECT_TRUE(window.Heading().startsWith("What the unit on Port 1")) << window.Heading().toStdString();
    for (int t = 0; t < kTimerCount; ++t) EXPECT_EQ(Marks(t), All(FieldMatch::Same)) << "Timer " << t + 1;
    EXPECT_EQ(window.HeldText(1, TimerField::Name), "Beef Cookout Check");
    EXPECT_EQ(window.SentText(1).toStdString(), record[0].when + ", default.csv");

    sheet->Field(1, TimerField::StartTime)->setText("7:15 AM");
    EXPECT_EQ(Marks(1), (std::vector{FieldMatch::Same, FieldMatch::Differs, FieldMatch::Same, FieldMatch::Same,
                                     FieldMatch::Same}));
    sheet->PortAction(2)->trigger();
    EXPECT_TRUE(window.Heading().startsWith("What the unit on Port 2")) << window.Heading().toStdString();
    EXPECT_EQ(Marks(1), All(FieldMatch::NotKnown));
    EXPECT_EQ(window.SentText(1), "not known: no send recorded here");
    sheet->PortAction(1)->trigger();
    EXPECT_EQ(Marks(1)[1], FieldMatch::Differs);

    // Sending is not saving: the record says the sheet was changed since.
    Send();
    record = Record();
    ASSERT_EQ(record.size(), 2u);
    EXPECT_TRUE(record[1].source.changed);
    EXPECT_EQ(Marks(1), All(FieldMatch::Same));
    EXPECT_EQ(window.SendsListed().size(), 2);
}

TEST_F(SentToUnitTest, AWrongAnswerToTimerThreesNameAfterAFullSendOfAnotherFile) {
    Load(FolderPath("default.csv"));
    Send();
    SentToUnitWindow& window = Window();
    Load(FolderPath("lunch.csv"));
    unit.SetBehaviour({.wrongAnswerAt = 20 + 6, .wrongByte = 'x'});  // the unit counts from its first message
    Send();
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_EQ(prompts.shown[0].detail,
              "Timer 3 was not sent: the unit answered its name message with \"x\" instead of \"g\".\n\n"
              "The unit took Timers 1 and 2 and Timer 3's settings; whether it took Timer 3's name is not known. "
              "Timers 4 to 10 were not sent. View > Sent to Unit shows what the unit holds now.");

    // The window, open all along, read the record again after the send.
    for (int t : {0, 1}) EXPECT_EQ(Marks(t), All(FieldMatch::Same)) << "Timer " << t + 1;
    EXPECT_EQ(Marks(2), (std::vector{FieldMatch::NotKnown, FieldMatch::Same, FieldMatch::Same, FieldMatch::Same,
                                     FieldMatch::Same}));
    for (int t = 3; t < kTimerCount; ++t) EXPECT_EQ(Marks(t), All(FieldMatch::Differs)) << "Timer " << t + 1;
    EXPECT_EQ(window.HeldText(3, TimerField::Name), "Travel Path");
    EXPECT_EQ(window.SentText(3).toStdString(), Record()[0].when + ", default.csv");
    const QStringList sends = window.SendsListed();
    ASSERT_EQ(sends.size(), 2);
    EXPECT_TRUE(sends[0].contains("lunch.csv  by hand  Unable to Send Timers to Corvellan.")) << sends[0].toStdString();
    EXPECT_TRUE(sends[1].contains("default.csv  by hand  Timers Sent to Corvellan")) << sends[1].toStdString();
}

TEST_F(SentToUnitTest, ARecordThatCannotBeWrittenNeverStopsTheSend) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders anyway";
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0500), 0);
    Send();
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0700), 0);
    EXPECT_EQ(unit.Messages(), golden::kDefaultMessages);
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_EQ(prompts.shown[0].detail.toStdString(), "This send could not be added to the record of sends, " +
                                                         SendLogPathIn(folder.Path()) + ": Permission denied.");
    EXPECT_TRUE(Record().empty());
}

}  // namespace
}  // namespace cv
