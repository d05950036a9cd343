// View > Day Plan as the fields are typed, and the printed page exported as
// a PDF, or printed, and read back; File > Print Record... the same way.

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <filesystem>

#include "core/record/record_report.h"
#include "core/record/send_log.h"
#include "gui/print/paper_printer.h"
#include "gui/print/timer_page.h"
#include "gui/windows/day_plan_window.h"
#include "gui/windows/print_record_dialog.h"
#include "tests/gui/sheet_fixture.h"
#include "tests/source_file.h"

namespace cv {
namespace {

using DayPlanAndPageTest = SheetTest;

QAction* ViewItem(TimerSheetDialog* sheet, const QString& text) {
    for (QAction* a : sheet->findChild<QMenuBar*>()->actions()[2]->menu()->actions()) {
        if (MenuText(a) == text) return a;
    }
    return nullptr;
}

// The text of a PDF file, read back with poppler's pdftotext, a Linux program;
// a null text on Windows, where only the file itself can be checked.
void ReadPdf(const std::string& path, QString& text) {
    ASSERT_TRUE(ReadBytes(path).starts_with("%PDF-")) << path;
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() && QSysInfo::kernelType() == "winnt") return;
    QProcess reader;
    reader.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    ASSERT_TRUE(reader.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    text = QString::fromUtf8(reader.readAllStandardOutput());
}

TEST_F(DayPlanAndPageTest, TheDayPlanFollowsTheFieldsAndNamesTheTickUnderThePointer) {
    ViewItem(sheet, "Day Plan")->trigger();
    DayPlanWindow* plan = app.DayPlan();
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(plan->isVisible());
    EXPECT_EQ(plan->findChild<QLabel*>("planReading")->text(),
              "each timer from its Start Time, every Repeat Interval, until midnight");
    EXPECT_TRUE(plan->ListedText().startsWith("06:30 AM  Hands Washing, Travel Path, Temp Check/PHU\n"));

    sheet->Field(4, TimerField::StartTime)->setText("6:35 AM");
    EXPECT_TRUE(plan->ListedText().startsWith("06:30 AM  Hands Washing, Travel Path\n"));
    sheet->Field(4, TimerField::StartTime)->setText("25:00");
    EXPECT_TRUE(plan->ListedText().endsWith("Outside the day: Temp Check/PHU starts 25 h after midnight"));

    // Across the picture, top to bottom and left to right, the first two
    // ticks met are Hands Washing's at 6:00 and at 6:30, when two others
    // remind too.
    QStringList tips;
    const QWidget* picture = plan->Picture();
    for (int y = 0; y < picture->height() && tips.size() < 2; y += 3) {
        for (int x = 0; x < picture->width() && tips.size() < 2; ++x) {
            const QString tip = plan->TipAt(QPoint(x, y));
            if (!tip.isEmpty() && !tips.contains(tip)) tips << tip;
        }
    }
    EXPECT_EQ(tips, (QStringList{"Hands Washing at 06:00 AM", "Hands Washing at 06:30 AM, with Travel Path"}));
}

TEST_F(DayPlanAndPageTest, AnExportedPdfHoldsTheTimersAndTheClashesOnOnePage) {
    sheet->Field(9, TimerField::Name)->setText("Fryer Oil Check");
    prompts.nextPaths << QString::fromStdString(FolderPath("wall.pdf"));
    FileItem("Export PDF...")->trigger();
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].detail.toStdString();
    ASSERT_EQ(prompts.fileRequests.back().filter, "PDF (*.pdf)");

    QString text;
    ASSERT_NO_FATAL_FAILURE(ReadPdf(FolderPath("wall.pdf"), text));
    if (text.isNull()) GTEST_SKIP() << "pdftotext reads the page back; Windows has none";
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "pages";
    text.replace(QRegularExpression("\\s+"), " ");
    for (int t = 0; t < kTimerCount; ++t) {
        const QString name = Text(t, TimerField::Name).trimmed();
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
    EXPECT_TRUE(text.contains("06:30 AM Hands Washing, Travel Path, Temp Check/PHU")) << text.toStdString();
    EXPECT_TRUE(text.contains("02:45 PM Rest Room Caddy, Fryer Oil Check")) << text.toStdString();
}

// The printer, loaded when first asked for, made to print into a PDF file as a
// print dialog's "Print to File" does.
// The dialog starts with the territory's paper, and the paper picked there is printed on.
TEST_F(DayPlanAndPageTest, FilePrintPrintsThePageOnThePrinterSetUp) {
    const QLocale before;
    QLocale::setDefault(QLocale("fr_CA"));
    const std::string path = FolderPath("printed.pdf");
    QPageSize::PageSizeId offered = QPageSize::Custom;
    prompts.printSetup = [&](PaperPrinter& printer) {
        auto* paper = dynamic_cast<QPrinter*>(&printer.Paper());
        if (!paper) return false;
        offered = paper->pageLayout().pageSize().id();
        paper->setPageSize(QPageSize(QPageSize::A5));
        paper->setOutputFormat(QPrinter::PdfFormat);
        paper->setOutputFileName(QString::fromStdString(path));
        return true;
    };
    FileItem("Print...")->trigger();
    QLocale::setDefault(before);
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].detail.toStdString();
    EXPECT_EQ(offered, QPageSize::Letter);
    const std::string bytes = ReadBytes(path);
    EXPECT_NE(bytes.find("/MediaBox [0 0 420"), std::string::npos) << "not printed on A5";
    QString text;
    ASSERT_NO_FATAL_FAILURE(ReadPdf(path, text));
    if (text.isNull()) GTEST_SKIP() << "pdftotext reads the page back; Windows has none";
    EXPECT_TRUE(text.contains("Beef Cookout Check")) << text.toStdString();
}

TEST(LocalPageSize, LetterWhereTheTerritoryUsesItA4Elsewhere) {
    for (const char* name : {"en_US", "en_CA", "fr_CA", "es_MX"})
        EXPECT_EQ(LocalPageSize(QLocale(name)).id(), QPageSize::Letter) << name;
    for (const char* name : {"fr_FR", "es_ES", "en_GB"}) EXPECT_EQ(LocalPageSize(QLocale(name)).id(), QPageSize::A4) << name;
}

TEST_F(DayPlanAndPageTest, AFailedExportSaysWhyAndLeavesNothing) {
    prompts.nextPaths << QString::fromStdString(FolderPath("missing/wall.pdf"));
    FileItem("Export PDF...")->trigger();
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Could Not Export PDF"});
    EXPECT_TRUE(prompts.shown[0].detail.contains("missing/wall.pdf")) << prompts.shown[0].detail.toStdString();
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"CVTimerSystem.ini"});
}

// A send to Port 1 of the sheet's timers, recorded as made at `when`.
void RecordSendAt(const std::string& folder, const TimerRecords& timers, const SendReport& report, const char* when) {
    SendFacts facts;
    facts.report = report;
    facts.records = timers;
    facts.portNumber = 1;
    facts.devicePath = "/dev/ttyUSB0";
    facts.source.filePath = "lunch.csv";
    ASSERT_TRUE(AppendSendEntry(SendLogPathIn(folder), MakeSendEntry(facts, when, "ben")).written);
}

// Two days, the second with a send that stopped at Timer 3: each day on a
// page of its own, as the report has it, with the gap and the footer.
TEST_F(DayPlanAndPageTest, PrintRecordExportsEachDayWithItsGapsAndAFooter) {
    SendReport whole;
    whole.sentCount = kTimerCount;
    SendReport partial;
    partial.sentCount = 2;
    partial.failedIndex = 2;
    partial.failure.failedAt = TimerSendResult::Stage::Name;
    partial.failure.settings = {AckOutcome::Acknowledged, 'g', {}, true};
    partial.failure.name = {AckOutcome::WrongAnswer, 'x', {}, true};
    ASSERT_NO_FATAL_FAILURE(RecordSendAt(folder.Path(), sheet->TimersOnSheet(), whole, "2026-03-13 05:40:12 +01:00"));
    ASSERT_NO_FATAL_FAILURE(RecordSendAt(folder.Path(), sheet->TimersOnSheet(), partial, "2026-03-14 10:55:03 +01:00"));

    FileItem("Print Record...")->trigger();
    PrintRecordDialog* dialog = app.PrintRecord();
    ASSERT_NE(dialog, nullptr);
    dialog->SetDays(QDate(2026, 3, 13), QDate(2026, 3, 14));
    prompts.nextPaths << QString::fromStdString(FolderPath("record.pdf"));
    dialog->ExportButton()->click();
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].detail.toStdString();

    QString text;
    ASSERT_NO_FATAL_FAILURE(ReadPdf(FolderPath("record.pdf"), text));
    if (text.isNull()) GTEST_SKIP() << "pdftotext reads the pages back; Windows has none";
    QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    for (QString& page : pages) page.replace(QRegularExpression("\\s+"), " ");
    ASSERT_GE(pages.size(), 2) << text.toStdString();

    const RecordReport report = MakeRecordReport({folder.Path(), "2026-03-13", "2026-03-14", 1, ""});
    ASSERT_TRUE(report.ok) << report.problem;
    ASSERT_EQ(report.days.size(), 2u);
    EXPECT_TRUE(pages[0].contains(QString::fromStdString(report.days[0].heading))) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains("Hands Washing")) << pages[0].toStdString();
    EXPECT_TRUE(pages.last().contains(QString::fromStdString(report.days[1].heading))) << pages.last().toStdString();
    ASSERT_FALSE(report.days[1].gaps.empty());
    const QString allPages = pages.join(" ");
    for (const std::string& gap : report.days[1].gaps) {
        EXPECT_TRUE(allPages.contains(QString::fromStdString(gap))) << gap;
    }
    const QString folderLine = "Record of sends in " + QDir::toNativeSeparators(QString::fromStdString(folder.Path()));
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(folderLine)) << pages[p].toStdString();
        EXPECT_TRUE(pages[p].contains(QString("Unit on %1. Printed ").arg(QString::fromStdString(report.unit))));
        EXPECT_TRUE(pages[p].contains(QString("Page %1 of %2.").arg(p + 1).arg(pages.size())));
    }
}

// The scripted week of the record's report (record_week.log, as the tools'
// test makes it with the simulated unit and the day-part plan): plan sends on
// time and late, a switch the silent unit failed, a send by hand, a partial
// send, the change to summer time, a day with no entry. Every day is on a page
// after the day before's, and every gap and every timer file sent is on paper.
TEST_F(DayPlanAndPageTest, PrintRecordPrintsEveryDayGapAndTimerFileOfAWeek) {
    if (QSysInfo::kernelType() == "winnt" || QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext, a Linux program, reads the pages back";
    }
    std::filesystem::copy_file(SourceFile("tests/gui/record_week.log"), SendLogPathIn(folder.Path()));
    FileItem("Print Record...")->trigger();
    app.PrintRecord()->SetDays(QDate(2026, 3, 4), QDate(2026, 3, 10));
    prompts.nextPaths << QString::fromStdString(FolderPath("week.pdf"));
    app.PrintRecord()->ExportButton()->click();
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].detail.toStdString();
    QString text;
    ASSERT_NO_FATAL_FAILURE(ReadPdf(FolderPath("week.pdf"), text));
    QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    for (QString& page : pages) page = page.simplified();
    const QString allPages = pages.join(QLatin1Char(' '));

    const RecordReport report = MakeRecordReport({folder.Path(), "2026-03-04", "2026-03-10", 1, ""});
    ASSERT_TRUE(report.ok) << report.problem;
    ASSERT_EQ(report.days.size(), 7u);
    int page = 0;
    for (const ReportDay& day : report.days) {
        const QString heading = QString::fromStdString(day.heading);
        while (page < pages.size() && !pages[page].contains(heading)) ++page;
        ASSERT_LT(page, pages.size()) << day.heading << " is not on a page after the day before's";
        ++page;
        for (const std::string& gap : day.gaps) EXPECT_TRUE(allPages.contains(QString::fromStdString(gap))) << gap;
        for (const ReportSheet& sheet : day.sheets) {
            EXPECT_TRUE(allPages.contains(QString::fromStdString(sheet.caption))) << sheet.caption;
        }
    }
}

// A record that cannot be read (a folder in its place) is named in the
// message, and nothing is written.
TEST_F(DayPlanAndPageTest, PrintRecordOfAnUnreadableRecordSaysWhyAndWritesNothing) {
    std::filesystem::create_directory(SendLogPathIn(folder.Path()));
    FileItem("Print Record...")->trigger();
    prompts.nextPaths << QString::fromStdString(FolderPath("record.pdf"));
    app.PrintRecord()->ExportButton()->click();
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Could Not Read the Record"});
    EXPECT_TRUE(prompts.shown[0].detail.contains(QString::fromStdString(SendLogPathIn(folder.Path()))))
        << prompts.shown[0].detail.toStdString();
    EXPECT_TRUE(prompts.fileRequests.empty());
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"CVTimerSystem.ini", kSendLogFileName}));
}

}  // namespace
}  // namespace cv
