// File > Print... and File > Export PDF...: the timers on the sheet, as typed,
// on one page.

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

FileDialogRequest ExportRequest() {
    return {QCoreApplication::translate("cv::TimerApp", "Export PDF"),
            QCoreApplication::translate("cv::TimerApp", "PDF (*.pdf)"), QStringLiteral("pdf")};
}

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

void TimerApp::OnPrint() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    QString problem;
    const std::unique_ptr<PaperPrinter> printer =
        NewPaperPrinter(tr("Corvellan Timers"), LocalPageSize(TerritoryLocale()), problem);
    if (!printer) {
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Could Not Print"),
                                    tr("Printing is not available: %1. File > Export PDF... still makes "
                                       "the page as a PDF file.")
                                        .arg(problem),
                                    PromptMessage::Icon::Warning});
        return;
    }
    if (!prompts.AskPrintSetup(sheet, *printer)) return;
    if (!PrintTimerPage(printer->Paper(), PageOf(*sheet))) {
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Could Not Print"),
                                    tr("The printer could not be started."), PromptMessage::Icon::Warning});
    }
}

void TimerApp::OnExportPdf() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    const QString path = prompts.AskSavePath(sheet, InDialogFolder(ExportRequest()));
    if (path.isEmpty()) return;

    // Made whole in memory and then put in place in one step, so a failure
    // never leaves part of a PDF behind.
    const QByteArray pdf = TimerPagePdf(PageOf(*sheet), LocalPageSize(TerritoryLocale()));
    FileReplaceResult result;
    if (pdf.isEmpty()) {
        result = {FileReplaceResult::Stage::Write, tr("the page could not be drawn").toStdString()};
    } else {
        result = ReplaceFileSafely(path.toStdString(), std::string_view(pdf.constData(), pdf.size()));
    }
    if (!result.Ok()) {
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Could Not Export PDF"),
                                    ExportFailure(path, result), PromptMessage::Icon::Warning});
        return;
    }
    sheet->StatusBar()->showMessage(tr("Exported to %1").arg(path), 10000);
}

}  // namespace cv
