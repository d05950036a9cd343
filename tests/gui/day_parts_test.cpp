// The day-part plan in the window: File > Day Parts... edits a plan that
// cvtimerctl reads the same, the sheet's line tells what the unit holds, Send
// Now sends the due part, and a send the plan made elsewhere is told.

#include <cstdlib>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include "core/record/send_log.h"
#include "core/schedule/day_part_plan.h"
#include "gui/day_part_watch.h"
#include "gui/sheet/day_part_line.h"
#include "gui/windows/day_parts_window.h"
#include "tests/gui/sheet_fixture.h"
#include "tools/simulated_unit.h"

namespace cv {
namespace {

std::string Sheet(const std::string& name) {
    std::string text;
    for (int i = 1; i <= 10; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%-20s,%04d,0030,0003,0001\r\n", (name + " " + std::to_string(i)).c_str(), 300 + i);
        text += line;
    }
    return text;
}

class DayPartsTest : public SheetTest {
protected:
    DayPartsWindow* OpenDayParts() {
        FileItem("Day Parts...")->trigger();
        return app.DayParts();
    }
    void SetCell(QTableWidget* table, int row, int column, const QString& text) { table->item(row, column)->setText(text); }
};

TEST_F(DayPartsTest, TheWindowWritesAPlanThatCvtimerctlReadsTheSame) {
    WriteBytes(FolderPath("breakfast.csv"), Sheet("Breakfast"));
    DayPartsWindow* window = OpenDayParts();
    ASSERT_NE(window, nullptr);
    QTableWidget* parts = window->Parts();
    window->AddPart();
    SetCell(parts, 0, DayPartsWindow::kName, "Breakfast");
    SetCell(parts, 0, DayPartsWindow::kStart, "5:30 AM");
    SetCell(parts, 0, DayPartsWindow::kDays, "Mon-Fri");
    prompts.nextPaths << QString::fromStdString(FolderPath("breakfast.csv"));
    window->ChooseSheet();
    EXPECT_EQ(parts->item(0, DayPartsWindow::kSheet)->text(), "breakfast.csv");  // beside the plan: named relative
    window->AddPart();
    SetCell(parts, 1, DayPartsWindow::kName, "Lunch");
    SetCell(parts, 1, DayPartsWindow::kStart, "18 h 30");
    SetCell(parts, 1, DayPartsWindow::kSheet, "lunch.csv");
    window->ClosedDates()->setText("2026-12-25");

    // A start the plan cannot be sure of is refused, and nothing is written.
    EXPECT_FALSE(window->Save());
    EXPECT_TRUE(prompts.shown.back().detail.startsWith("Row 2 (Lunch):")) << prompts.shown.back().detail.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(DayPartPlanPathIn(folder.Path()))));
    SetCell(parts, 1, DayPartsWindow::kStart, "18:30");
    ASSERT_TRUE(window->Save());
    EXPECT_FALSE(window->HasUnsavedChanges());
    EXPECT_EQ(parts->item(0, DayPartsWindow::kOnUnit)->text(), "not on the unit");
    EXPECT_EQ(parts->item(1, DayPartsWindow::kOnUnit)->text(), "its timer file cannot be read");

    QProcess ctl;
    ctl.setWorkingDirectory(QString::fromStdString(folder.Path()));
    // The copy test-unprivileged makes, where it makes one.
    const char* copy = std::getenv("CVTIMERCTL");
    ctl.start(copy && *copy ? copy : CVTIMERCTL_PATH, {"dayparts", "show"});
    ASSERT_TRUE(ctl.waitForFinished(10000));
    const QString shown = QString::fromUtf8(ctl.readAllStandardOutput());
    EXPECT_TRUE(shown.contains("Breakfast  05:30 AM  Mon-Fri        breakfast.csv")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Lunch      06:30 PM  Every day      lunch.csv")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Closed: 2026-12-25")) << shown.toStdString();
    // The sheet now says what the plan wants of the unit.
    ASSERT_NE(app.DayPartsWatch(), nullptr);
    EXPECT_TRUE(app.DayPartsWatch()->Line()->isVisible());
}

TEST_F(DayPartsTest, SendNowSendsTheDuePartAndAPlanSendElsewhereIsTold) {
    SimulatedUnit unit;
    std::string error;
    ASSERT_TRUE(unit.Start(&error)) << error;
    WriteBytes(SettingsPath(), "[SerialComm]\nPortNo=1\n[Ports]\nCOM1=" + unit.DevicePath() + "\n");
    WriteBytes(FolderPath("all.csv"), Sheet("All day"));
    WriteBytes(DayPartPlanPathIn(folder.Path()), "[All day]\nStart=0:00\nDays=Every day\nSheet=all.csv\n");
    app.WatchDayParts();
    DayPartLine* line = app.DayPartsWatch()->Line();
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->Text()->text().startsWith("Day parts: All day is due since")) << line->Text()->text().toStdString();
    ASSERT_TRUE(line->SendNowButton()->isVisible());

    line->SendNowButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.DayPartsWatch()->IsSending(); }, 20000));
    EXPECT_EQ(unit.Messages().size(), 20u);
    EXPECT_TRUE(sheet->StatusBar()->currentMessage().startsWith("All day sent to the unit at"));
    EXPECT_TRUE(line->Text()->text().startsWith("Day parts: the unit holds All day")) << line->Text()->text().toStdString();
    EXPECT_FALSE(line->SendNowButton()->isVisible());
    const std::vector<SendEntry> record = ReadSendLog(SendLogPathIn(folder.Path())).content.entries;
    ASSERT_EQ(record.size(), 1u);
    EXPECT_EQ(record[0].origin.dayPart, "All day");

    // A send the plan makes from elsewhere (the system's scheduler) is told here.
    sheet->StatusBar()->clearMessage();
    SendEntry elsewhere = record[0];
    elsewhere.when = TimeStampNow();
    elsewhere.origin.due = "2099-01-01 00:00:00 +00:00";  // another start than the one just sent
    ASSERT_TRUE(AppendSendEntry(SendLogPathIn(folder.Path()), elsewhere).written);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet->StatusBar()->currentMessage().startsWith("All day sent to the unit at"); }, 10000))
        << sheet->StatusBar()->currentMessage().toStdString();
}

}  // namespace
}  // namespace cv
