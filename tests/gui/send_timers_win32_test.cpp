// "Send Timers" from the sheet on Windows, through COM ports that
// scripts/wine-run --units maps onto simulated units running on Linux.

#include <QPushButton>
#include <QStatusBar>
#include <cstdlib>

#include "core/device/serial_link.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

class SendTimersWindowsTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        sheet->SetLink(link);
    }

    // Sends to the unit the environment names and returns the detail of the last box.
    QString SendTo(const char* unitVariable) {
        const char* port = std::getenv(unitVariable);
        EXPECT_NE(port, nullptr) << "run through scripts/wine-run --units";
        return SendToPort(port == nullptr ? 0 : std::atoi(port));
    }
    QString SendToPort(int port) {
        sheet->SelectPort(port);
        prompts.shown.clear();
        sheet->SendButton()->click();
        EXPECT_FALSE(sheet->IsSending());
        return prompts.shown.empty() ? QString() : prompts.shown.back().detail;
    }

    SerialLink link;
};

TEST_F(SendTimersWindowsTest, AHealthyUnitTakesAllTenTimers) {
    SendTo("CVTIMER_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(SendTimersWindowsTest, AWrongAnswerIsNamedInTheFailureBox) {
    const QString detail = SendTo("CVTIMER_WRONG_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_EQ(detail, "Timer 1 was not sent: the unit answered its settings message with \"x\" instead of \"g\".");
}

TEST_F(SendTimersWindowsTest, ASilentUnitFailsTheFirstTimer) {
    const QString detail = SendTo("CVTIMER_SILENT_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_EQ(detail, "Timer 1 was not sent: the unit did not answer its settings message within a second.");
}

TEST_F(SendTimersWindowsTest, CancelStopsTheWaitForASilentUnit) {
    QString progress;
    // Runs from inside the send, once it waits for the unit.
    QMetaObject::invokeMethod(sheet, [this, &progress] {
        progress = sheet->StatusBar()->currentMessage();
        sheet->CancelButton()->click();
    }, Qt::QueuedConnection);
    const QString detail = SendTo("CVTIMER_SILENT_UNIT_PORT");
    EXPECT_EQ(progress, "Sending Timer 1 of 10");
    EXPECT_EQ(detail, "Timer 1 was not sent: sending was cancelled.");
}

TEST_F(SendTimersWindowsTest, AMissingComPortShowsBothBoxesWithWindowsAdvice) {
    SendToPort(7);
    ASSERT_EQ(prompts.ShownTexts(),
              (QStringList{"Unable to open selected serial port.\nSelect another serial port\nand try again.",
                           "Unable to Send Timers to Corvellan"}));
    EXPECT_TRUE(prompts.shown[0].detail.contains("COM7")) << prompts.shown[0].detail.toStdString();
    EXPECT_TRUE(prompts.shown[0].detail.contains("Device Manager")) << prompts.shown[0].detail.toStdString();
}

TEST_F(SendTimersWindowsTest, AUnitThatGoesAwayClosesTheLinkAndTheNextSendOpensAfresh) {
    SendTo("CVTIMER_VANISHING_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_FALSE(link.IsOpen());
    SendTo("CVTIMER_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
}

}  // namespace
}  // namespace cv
