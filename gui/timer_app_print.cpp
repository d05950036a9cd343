// File > Print... and File > Export PDF...: the timers on the sheet, as typed,
// on one page; and the printer and the PDF file as File > Print Record... uses
// them too.

#include <QCoreApplication>
#include <QApplication>
#include <QFile>
#include <QStatusBar>

#include "core/platform/whole_file.h"
#include "gui/language/language_setup.h"
#include "gui/print/paper_printer.h"
#include "gui/print/timer_page.h"
#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"

namespace cv {

namespace {

TimerPage PageOf(const TimerSheetDialog& sheet) {
    QString title = sheet.windowTitle();
    title.remove(QStringLiteral("[*]"));
    return {title, QDate::currentDate(), sheet.TimersOnSheet()};
}

QString ExportFailure(const QString& path, const FileReplaceResult& result) {
    const QString reason = result.systemText.empty() ? QCoreApplication::translate("cv::TimerApp", "unknown error")
                                                     : QString::fromStdString(result.systemText);
    switch (result.stage) {
        case FileReplaceResult::Stage::Target:
        case FileReplaceResult::Stage::Create:
            return QCoreApplication::translate("cv::TimerApp", "\"%1\" cannot be created: %2.").arg(path, reason);
        default:
            return QCoreApplication::translate("cv::TimerApp", "The PDF could not be written to \"%1\": %2. "
                                                               "Any earlier file of that name is unchanged.")
                .arg(path, reason);
    }
}

}  // namespace

FileDialogRequest TimerApp::PdfRequest() const {
    return {tr("Export PDF"), tr("PDF (*.pdf)"), QStringLiteral("pdf")};
}

std::unique_ptr<PaperPrinter> TimerApp::SetUpPrinter(QWidget* parent, const QString& documentName,
                                                     const QString& otherWay) {
    QString problem;
    std::unique_ptr<PaperPrinter> printer = NewPaperPrinter(documentName, LocalPageSize(TerritoryLocale()), problem);
    if (!printer) {
        prompts.ShowMessage(parent, {QApplication::applicationName(), tr("Could Not Print"),
                                     otherWay.arg(problem), PromptMessage::Icon::Warning});
        return nullptr;
    }
    if (!prompts.AskPrintSetup(parent, *printer)) return nullptr;
    return printer;
}

void TimerApp::ShowPrinterFailure(QWidget* parent) {
    prompts.ShowMessage(parent, {QApplication::applicationName(), tr("Could Not Print"),
                                 tr("The printer could not be started."), PromptMessage::Icon::Warning});
}

bool TimerApp::WritePdf(QWidget* parent, const QString& path, const QByteArray& pdf) {
    // Made whole in memory and then put in place in one step, so a failure
    // never leaves part of a PDF behind.
    FileReplaceResult result;
    if (pdf.isEmpty()) {
        result = {FileReplaceResult::Stage::Write, tr("the page could not be drawn").toStdString()};
    } else {
        result = ReplaceFileSafely(path.toStdString(), std::string_view(pdf.constData(), pdf.size()));
    }
    if (!result.Ok()) {
        prompts.ShowMessage(parent, {QApplication::applicationName(), tr("Could Not Export PDF"),
                                     ExportFailure(path, result), PromptMessage::Icon::Warning});
        return false;
    }
    if (currentSheet) currentSheet->StatusBar()->showMessage(tr("Exported to %1").arg(path), 10000);
    return true;
}

void TimerApp::OnPrint() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    const std::unique_ptr<PaperPrinter> printer =
        SetUpPrinter(sheet, tr("Corvellan Timers"),
                     tr("Printing is not available: %1. File > Export PDF... still makes the page as a PDF file."));
    if (printer && !PrintTimerPage(printer->Paper(), PageOf(*sheet))) ShowPrinterFailure(sheet);
}

void TimerApp::OnExportPdf() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    const QString path = prompts.AskSavePath(sheet, InDialogFolder(PdfRequest()));
    if (path.isEmpty()) return;
    WritePdf(sheet, path, TimerPagePdf(PageOf(*sheet), LocalPageSize(TerritoryLocale())));
}

}  // namespace cv
