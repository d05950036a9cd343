// File > Print Record...: what the unit on the sheet's port held, day by day,
// as the record of sends tells it, on a printer, as a PDF file or as text.

#include <QApplication>
#include <QDir>

#include "core/record/record_report.h"
#include "gui/language/language_setup.h"
#include "gui/print/paper_printer.h"
#include "gui/print/record_report_pages.h"
#include "gui/print/timer_page.h"
#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"
#include "gui/windows/print_record_dialog.h"
#include "gui/windows/record_text_window.h"

namespace cv {

void TimerApp::OnPrintRecord() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    // A child of the sheet, like the day plan, so that the text window it
    // opens is not shut out by it.
    if (!printRecord) {
        printRecord = new PrintRecordDialog(sheet);
        connect(printRecord, &PrintRecordDialog::printRequested, this, &TimerApp::OnPrintRecordOnPaper);
        connect(printRecord, &PrintRecordDialog::exportPdfRequested, this, &TimerApp::OnExportRecordPdf);
        connect(printRecord, &PrintRecordDialog::textRequested, this, &TimerApp::OnShowRecordText);
    }
    printRecord->ShowPort(sheet->portNumber);
    printRecord->show();
    printRecord->raise();
    printRecord->activateWindow();
}

PrintRecordDialog* TimerApp::PrintRecord() const { return printRecord; }

RecordTextWindow* TimerApp::RecordText() const { return recordText; }

bool TimerApp::ReadRecordReport(RecordReport& report, ReportPrinting& printing) {
    if (!currentSheet || !printRecord) return false;
    printRecord->ShowPort(currentSheet->portNumber);
    ReportRequest request;
    request.settingsFolder = work.folder;
    request.from = printRecord->From().toString(Qt::ISODate).toStdString();
    request.to = printRecord->To().toString(Qt::ISODate).toStdString();
    request.port = currentSheet->portNumber;
    report = MakeRecordReport(request);
    if (!report.ok) {
        // The reason names the record's path.
        prompts.ShowMessage(printRecord, {QApplication::applicationName(), tr("Could Not Read the Record"),
                                          QString::fromStdString(report.problem), PromptMessage::Icon::Warning});
        return false;
    }
    printing = {QDir::toNativeSeparators(QString::fromStdString(work.folder)), QDateTime::currentDateTime()};
    return true;
}

void TimerApp::OnPrintRecordOnPaper() {
    RecordReport report;
    ReportPrinting printing;
    if (!ReadRecordReport(report, printing)) return;
    const std::unique_ptr<PaperPrinter> printer =
        SetUpPrinter(printRecord, tr("Corvellan Record of Sends"),
                     tr("Printing is not available: %1. Export PDF... still makes the report as a PDF file."));
    if (printer && !PrintRecordReport(printer->Paper(), report, printing)) ShowPrinterFailure(printRecord);
}

void TimerApp::OnExportRecordPdf() {
    RecordReport report;
    ReportPrinting printing;
    if (!ReadRecordReport(report, printing)) return;
    const QString path = prompts.AskSavePath(printRecord, InDialogFolder(PdfRequest()));
    if (path.isEmpty()) return;
    WritePdf(printRecord, path, RecordReportPdf(report, printing, LocalPageSize(TerritoryLocale())));
}

void TimerApp::OnShowRecordText() {
    RecordReport report;
    ReportPrinting printing;
    if (!ReadRecordReport(report, printing) || !currentSheet) return;
    if (!recordText) recordText = new RecordTextWindow(currentSheet.get());
    recordText->ShowReport(RecordReportHtml(report, printing));
    recordText->ShowBeside(*printRecord);
}

}  // namespace cv
