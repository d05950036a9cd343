// "Send Timers" against simulated units on pseudo-terminals, through the sheet.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/device/serial_link.h"
#include "core/record/send_log.h"
#include "tests/gui/sheet_fixture.h"
#include "tests/golden.h"
#include "tools/simulated_unit.h"

namespace cv {
namespace {

const std::vector<std::string>& kDefaultMessages = golden::kDefaultMessages;

class SendTimersTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        std::string error;
        ASSERT_TRUE(unit.Start(&error)) << error;
        ASSERT_TRUE(spare.Start(&error)) << error;
        // Port 1 reaches the unit, port 2 the spare unit, nothing else.
        link.SetPortResolver([this](int port) {
            PortLookup lookup;
            lookup.found = port == 1 || port == 2;
            lookup.device = port == 1 ? unit.DevicePath() : spare.DevicePath();
            return lookup;
        });
        sheet->SetLink(link);
    }

    void Send() {
        prompts.shown.clear();
        sheet->SendButton()->click();
        ASSERT_FALSE(sheet->IsSending());
    }

    QString LastDetail() const { return prompts.shown.empty() ? QString() : prompts.shown.back().detail; }

    SimulatedUnit unit;
    SimulatedUnit spare;
    SerialLink link;
};

TEST_F(SendTimersTest, AHealthyUnitReceivesTheTwentyMessagesInOrder) {
    Send();
    EXPECT_EQ(unit.Messages(), kDefaultMessages);
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_EQ(prompts.shown[0].caption, "Serial Communications");
    EXPECT_FALSE(link.IsOpen());  // let go, so that the day-part plan's runs can use it
    EXPECT_TRUE(sheet->StatusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(sheet->SendButton()->isEnabled());
}

TEST_F(SendTimersTest, AWrongAnswerToTimerThreesNameStopsAfterSixMessages) {
    unit.SetBehaviour({.wrongAnswerAt = 6, .wrongByte = 'x'});
    Send();
    EXPECT_EQ(unit.Messages(), std::vector<std::string>(kDefaultMessages.begin(), kDefaultMessages.begin() + 6));
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(LastDetail().contains("Timer 3")) << LastDetail().toStdString();
    EXPECT_TRUE(LastDetail().contains("\"x\"")) << LastDetail().toStdString();
}

TEST_F(SendTimersTest, ASilentUnitGetsOneTimersPairThenTheSendFails) {
    unit.SetBehaviour({.silentFrom = 1});
    Send();
    EXPECT_EQ(unit.Messages(), std::vector<std::string>(kDefaultMessages.begin(), kDefaultMessages.begin() + 2));
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(LastDetail().startsWith(
        "Timer 1 was not sent: the unit did not answer its settings message within a second.\n\n"))
        << LastDetail().toStdString();
}

TEST_F(SendTimersTest, ARefusedSettingsMessageStillGetsItsNameMessageAndEndsTheSend) {
    unit.SetBehaviour({.wrongAnswerAt = 1, .wrongByte = 'n'});
    Send();
    EXPECT_EQ(unit.Messages(), std::vector<std::string>(kDefaultMessages.begin(), kDefaultMessages.begin() + 2));
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(LastDetail().contains("settings")) << LastDetail().toStdString();
}

TEST_F(SendTimersTest, AStrayByteWaitingBeforeASendIsNotTakenForAnAnswer) {
    ASSERT_TRUE(link.Open(1, 9600));  // as another program might have left the line
    unit.Send("x");
    ASSERT_TRUE(link.WaitForInput(std::chrono::seconds(2)));
    Send();
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_EQ(unit.Messages().size(), 20u);
}

TEST_F(SendTimersTest, ALateAnswerLeftInTheQueueIsNotTakenForTheNextAnswer) {
    // Every answer comes after the wait has given up: the first send fails, and
    // its late answers are still on their way when the second send starts.
    unit.SetBehaviour({.answerDelayMs = 1300});
    Send();
    ASSERT_EQ(unit.Messages().size(), 2u);
    unit.SetBehaviour({.wrongAnswerAt = 2 + 6, .wrongByte = 'x'});
    ASSERT_TRUE(unit.WaitUntilAnswered(std::chrono::seconds(3)));
    Send();
    // Had a late "g" counted, every answer would shift by one and the "x" would
    // fail Timer 4 instead of Timer 3.
    EXPECT_EQ(unit.Messages().size(), 2u + 6u);
    EXPECT_TRUE(LastDetail().contains("Timer 3")) << LastDetail().toStdString();
}

TEST_F(SendTimersTest, ValuesGoOutWithTheirWireWidths) {
    sheet->Field(0, TimerField::Priority)->setText("1");
    sheet->records[0] = {"Walk-in Freezer Door Seal", 65535, 0, 3, 12};
    sheet->ShowTimersOnSheet();
    Send();
    ASSERT_GE(unit.Messages().size(), 2u);
    EXPECT_EQ(unit.Messages()[0], "{86,0,12,65535,0000,0003}");
    EXPECT_EQ(unit.Messages()[1], "{87,0,Walk-in Freezer Doo }");
}

TEST_F(SendTimersTest, ANameWithABraceOrACharacterTheUnitCannotShowIsRefusedBeforeAnythingIsSent) {
    const std::pair<QString, QString> cases[] = {{"Fries {large}", "{"}, {QStringLiteral("\u0152ufs"), QStringLiteral("\u0152")}};
    for (const auto& [name, refused] : cases) {
        sheet->Field(7, TimerField::Name)->setText(name);
        Send();
        EXPECT_FALSE(link.IsOpen());
        EXPECT_TRUE(unit.Messages().empty());
        ASSERT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
        EXPECT_TRUE(LastDetail().startsWith("Timer 8's name holds \"" + refused + "\"")) << LastDetail().toStdString();
    }
}

TEST_F(SendTimersTest, AChosenPortTakesEffectAtTheNextSend) {
    Send();
    ASSERT_EQ(unit.Messages().size(), 20u);
    sheet->PortAction(2)->trigger();
    Send();
    EXPECT_EQ(spare.Messages(), kDefaultMessages);
    EXPECT_EQ(unit.Messages().size(), 20u);
    EXPECT_EQ(link.DevicePath(), spare.DevicePath());
}

TEST_F(SendTimersTest, AnOpenFailureShowsBothBoxesWithTheReason) {
    sheet->PortAction(7)->trigger();
    Send();
    ASSERT_EQ(prompts.ShownTexts(),
              (QStringList{"Unable to open selected serial port.\nSelect another serial port\nand try again.",
                           "Unable to Send Timers to Corvellan"}));
    EXPECT_TRUE(prompts.shown[0].detail.contains("port 7")) << prompts.shown[0].detail.toStdString();
    EXPECT_EQ(prompts.shown[0].caption, "Serial Communications");
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(SendTimersTest, AVanishedDeviceIsOpenedAfreshByTheNextSend) {
    Send();
    // The device goes away; the next send finds it gone, the one after that
    // reaches the unit that took its place.
    unit.Stop();
    Send();
    EXPECT_EQ(prompts.ShownTexts().back(), "Unable to Send Timers to Corvellan");
    EXPECT_FALSE(link.IsOpen());
    sheet->PortAction(2)->trigger();
    Send();
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
}

TEST_F(SendTimersTest, ShowsProgressAndEscCancelsFromWhereTheFocusWent) {
    unit.SetBehaviour({.silentFrom = 3});
    QString progress;
    QString said;
    bool inputsLocked = false;
    bool focusOnCancel = false;
    QApplication::setActiveWindow(sheet);
    sheet->Field(0, TimerField::Name)->setFocus();
    // Runs from inside the send, while it waits for Timer 2's first answer.
    unit.SetMessageCallback([&](const std::string&, int number) {
        if (number != 3) return;
        QMetaObject::invokeMethod(sheet, [&] {
            progress = sheet->StatusBar()->currentMessage();
            said = sheet->CancelButton()->accessibleDescription();
            inputsLocked = QApplication::activeModalWidget() == sheet->CancelButton()->window();
            focusOnCancel = QApplication::focusWidget() == sheet->CancelButton();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }, Qt::QueuedConnection);
    });
    Send();
    EXPECT_EQ(progress, "Sending Timer 2 of 10");
    EXPECT_EQ(said, "Sending Timer 2 of 10");
    EXPECT_TRUE(inputsLocked);
    EXPECT_TRUE(focusOnCancel);
    EXPECT_EQ(unit.Messages().size(), 3u);
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(LastDetail().contains("Timer 2")) << LastDetail().toStdString();
    EXPECT_TRUE(LastDetail().contains("cancelled")) << LastDetail().toStdString();
    EXPECT_TRUE(sheet->Field(0, TimerField::Name)->isEnabled());
    EXPECT_FALSE(sheet->CancelButton()->isVisible());
    // Where the focus goes when the sheet is active again.
    EXPECT_EQ(sheet->focusWidget(), sheet->Field(0, TimerField::Name));
}

// Port 1's lookup plays a port that is slow to open (a Bluetooth port can take
// seconds): it lets the open go on only once the window has served an event.
TEST_F(SendTimersTest, TheWindowAnswersAndCancelsWhileAPortIsSlowToOpen) {
    std::atomic<bool> answered{false};
    bool answeredDuringOpen = false;
    QString progress;
    link.SetPortResolver([&](int) {
        QMetaObject::invokeMethod(sheet, [&] {
            progress = sheet->StatusBar()->currentMessage();
            sheet->CancelButton()->click();
            answered = true;
        }, Qt::QueuedConnection);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!answered && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        answeredDuringOpen = answered;
        return PortLookup{true, unit.DevicePath(), false, ""};
    });
    Send();
    EXPECT_TRUE(answeredDuringOpen);
    EXPECT_EQ(progress, "Sending Timer 1 of 10");
    EXPECT_TRUE(unit.Messages().empty());
    EXPECT_EQ(LastDetail(), "Timer 1 was not sent: sending was cancelled.");
    // Nothing went out, so the record does not make Timer 1 uncertain.
    const std::vector<SendEntry> record = ReadSendLog(SendLogPathIn(folder.Path())).content.entries;
    ASSERT_EQ(record.size(), 1u);
    EXPECT_FALSE(record[0].timers[0].AnySent());
}

TEST_F(SendTimersTest, AnUnknownLineSettingIsNamedAtStartAndNothingIsSent) {
    WriteBytes(SettingsPath(), "[SerialComm]\nPortNo=1\nParity=Evn\n");
    prompts.shown.clear();
    OpenSheet();
    sheet->SetLink(link);
    const QString problem = QString::fromStdString(SettingsPath()) +
                            ", line 3: \"Parity=Evn\" is not a parity CV Timer knows. Write Parity=None, Odd, Even, "
                            "Mark or Space, or remove the line for no parity. Nothing is sent until then.";
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Unknown Line Setting"});
    EXPECT_EQ(prompts.shown[0].detail, problem);
    Send();
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_EQ(LastDetail(), problem);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(unit.Messages().empty());
}

TEST_F(SendTimersTest, ClosingTheWindowMidSendStopsTheSendAndThenCloses) {
    unit.SetBehaviour({.silentFrom = 1});
    unit.SetMessageCallback([this](const std::string&, int) {
        QMetaObject::invokeMethod(sheet, [this] { sheet->close(); }, Qt::QueuedConnection);
    });
    Send();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(unit.Messages().size(), 1u);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SendTimersTest, AMidSendCloseRefusedAtTheUnsavedWorkQuestionLeavesTheNextSendAlone) {
    sheet->Field(0, TimerField::Name)->setText("Edited");
    prompts.nextAnswers = {SaveChangesAnswer::Cancel};
    unit.SetBehaviour({.silentFrom = 1});
    bool closing = true;
    unit.SetMessageCallback([this, &closing](const std::string&, int) {
        if (closing) QMetaObject::invokeMethod(sheet, [this] { sheet->close(); }, Qt::QueuedConnection);
        closing = false;
    });
    Send();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(prompts.questions.size(), 1u);

    unit.SetBehaviour({});
    Send();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
}

}  // namespace
}  // namespace cv
