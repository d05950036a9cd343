// "Send Timers" from the sheet on Windows, through COM ports that
// scripts/wine-run --units maps onto simulated units running on Linux.

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <cstdlib>

#include "core/device/serial_link.h"
#include "core/record/send_log.h"
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

    // cvtimerctl.exe, beside this test program, run in the sheet's folder.
    QStringList Ctl(const QStringList& arguments) {
        QProcess ctl;
        ctl.setWorkingDirectory(QString::fromStdString(folder.Path()));
        ctl.start(QCoreApplication::applicationDirPath() + QStringLiteral("/cvtimerctl.exe"), arguments);
        EXPECT_TRUE(ctl.waitForFinished(30000)) << ctl.errorString().toStdString();
        EXPECT_EQ(ctl.exitCode(), 0) << ctl.readAllStandardError().toStdString();
        return QString::fromUtf8(ctl.readAllStandardOutput()).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    }

    SerialLink link;
};

TEST_F(SendTimersWindowsTest, AHealthyUnitTakesAllTenTimers) {
    SendTo("CVTIMER_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Timers Sent to Corvellan"});
    EXPECT_FALSE(link.IsOpen());  // let go, so that the day-part plan's runs can use it
}

TEST_F(SendTimersWindowsTest, AWrongAnswerIsNamedInTheFailureBox) {
    const QString detail = SendTo("CVTIMER_WRONG_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(detail.startsWith(
        "Timer 1 was not sent: the unit answered its settings message with \"x\" instead of \"g\".\n\n"))
        << detail.toStdString();
}

TEST_F(SendTimersWindowsTest, ASilentUnitFailsTheFirstTimer) {
    const QString detail = SendTo("CVTIMER_SILENT_UNIT_PORT");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    EXPECT_TRUE(detail.startsWith(
        "Timer 1 was not sent: the unit did not answer its settings message within a second.\n\n"))
        << detail.toStdString();
}

TEST_F(SendTimersWindowsTest, EscOnCancelStopsTheWaitForASilentUnit) {
    QString progress;
    bool focusOnCancel = false;
    QApplication::setActiveWindow(sheet);
    sheet->Field(0, TimerField::Name)->setFocus();
    // Runs from inside the send, once it waits for the unit (a second per
    // answer) and the progress window has come up with Cancel in focus.
    QMetaObject::invokeMethod(sheet, [&] {
        focusOnCancel = QTest::qWaitFor([&] { return QApplication::focusWidget() == sheet->CancelButton(); }, 5000);
        progress = sheet->CancelButton()->accessibleDescription();
        QTest::keyClick(sheet->CancelButton(), Qt::Key_Escape);
    }, Qt::QueuedConnection);
    const QString detail = SendTo("CVTIMER_SILENT_UNIT_PORT");
    EXPECT_EQ(progress, "Sending Timer 1 of 10");
    EXPECT_TRUE(focusOnCancel);
    // Whether the settings message was out yet when Cancel came decides what follows.
    EXPECT_TRUE(detail.startsWith("Timer 1 was not sent: sending was cancelled.")) << detail.toStdString();
    // Where the focus goes when the sheet is active again.
    EXPECT_EQ(sheet->focusWidget(), sheet->Field(0, TimerField::Name));
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

// The window's sends go into the record of sends that cvtimerctl.exe reads.
TEST_F(SendTimersWindowsTest, AFullAndAPartialSendAreReadBackByCvtimerctlSent) {
    SendTo("CVTIMER_UNIT_PORT");
    // This unit answers its first message, Timer 1's settings, with "x" and the rest with "g".
    const QString detail = SendTo("CVTIMER_WRONG_UNIT_PORT");
    EXPECT_TRUE(detail.endsWith("The unit took Timer 1's name; whether it took Timer 1's settings is not known. "
                                "Timers 2 to 10 were not sent. View > Sent to Unit shows what the unit holds now."))
        << detail.toStdString();

    const QStringList full = Ctl({"sent", "--port", std::getenv("CVTIMER_UNIT_PORT")});
    ASSERT_GE(full.size(), 3);
    EXPECT_TRUE(full[2].startsWith("    1  Hands Washing       06:00 AM  00:30 AM  00:03 AM         1  "))
        << full[2].toStdString();
    EXPECT_TRUE(full[2].endsWith(", typed on the sheet")) << full[2].toStdString();
    const QStringList partial = Ctl({"sent", "--port", std::getenv("CVTIMER_WRONG_UNIT_PORT")});
    ASSERT_GE(partial.size(), 4);
    EXPECT_TRUE(partial[2].startsWith("    1  Hands Washing  not known  not known  not known  not known  "))
        << partial[2].toStdString();
    EXPECT_TRUE(partial[2].endsWith(", typed on the sheet: its settings went without acknowledgement"))
        << partial[2].toStdString();
    EXPECT_TRUE(partial[3].endsWith("not known: no send recorded here")) << partial[3].toStdString();
    // The healthy unit's port is an FTDI adapter's, as the system names it.
    const std::vector<SendEntry> record = ReadSendLog(SendLogPathIn(folder.Path())).content.entries;
    ASSERT_EQ(record.size(), 2u);
    EXPECT_EQ(record[0].device, "COM" + std::string(std::getenv("CVTIMER_UNIT_PORT")));
    EXPECT_EQ(record[0].deviceName, "USB Serial Port (FTDI)");
    const QStringList history = Ctl({"sent", "--history"});
    ASSERT_GE(history.size(), 3);
    EXPECT_TRUE(history[1].contains("typed on the sheet  by hand  Unable to Send Timers to Corvellan.")) << history[1].toStdString();
    EXPECT_TRUE(history[2].endsWith("typed on the sheet  by hand  Timers Sent to Corvellan")) << history[2].toStdString();
}

}  // namespace
}  // namespace cv
