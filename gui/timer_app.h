#pragma once
// The application: builds the timer sheet, runs it until it closes, and
// handles the commands that belong to the whole program: the timer files
// (Save, Load, Recent Files, a dropped file, the one given at start), the
// question about unsaved work, the day plan, print and PDF of the sheet and
// of the record, the user guide, About.

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "core/settings/work_folder.h"

class QWidget;

namespace cv {

class DayPartsWindow;
class PaperPrinter;
class PrintRecordDialog;
class RecordTextWindow;
struct RecordReport;
struct ReportPrinting;
class DayPartWatch;
class DayPlanWindow;
class Prompts;
class SentToUnitWindow;
struct FileDialogRequest;
class TimerSheetDialog;
class UserGuideWindow;

class TimerApp : public QObject {
    Q_OBJECT

public:
    // The settings file lives in the work folder, wherever the file dialogs
    // wander later. The file dialogs open there until a timer file is loaded
    // or saved, and then in that file's folder.
    TimerApp(Prompts& prompts, WorkFolder work);
    // Working in settingsFolder as the folder it was started in.
    TimerApp(Prompts& prompts, std::string settingsFolder);
    ~TimerApp() override;

    // Builds the sheet with its icon and wires its commands; it becomes the
    // current sheet. Run() shows it modally until File > Exit or the close
    // box, first loading fileToOpen when one is given.
    TimerSheetDialog& CreateSheet();
    int Run(const QString& fileToOpen = QString());
    // A line the sheet shows from the start (TimerSheetDialog::ShowStartNotice).
    void SetStartNotice(const QString& notice) { startNotice = notice; }

    // The running sheet, through which the file commands reach the timers.
    TimerSheetDialog* CurrentSheet() const { return currentSheet.get(); }
    DayPlanWindow* DayPlan() const;
    DayPartsWindow* DayParts() const;
    // The window's eye on the day-part plan; nullptr until there is a plan.
    DayPartWatch* DayPartsWatch() const { return dayPartWatch.get(); }
    SentToUnitWindow* SentToUnit() const;
    UserGuideWindow* UserGuide() const;

    // File > Save; true once the file is written.
    bool SaveTimerFile();
    // File > Load, File > Recent Files, a file dropped on the window, the
    // file named at start: all load through OpenTimerFile, and all but the
    // last ask about unsaved work first.
    void LoadTimerFile();
    void OpenRecentFile(const QString& path);
    void OpenDroppedFile(const QString& path);
    bool OpenTimerFile(const QString& path);

    // "Save changes to the timers?" when the sheet has unsaved changes: true
    // when the sheet may be closed or replaced (saved, or the user chose
    // Discard), false when the user cancelled or the save did not happen.
    bool OfferToSaveChanges();

    void OnDayPlan();
    // File > Day Parts...: the plan beside the sheet, to edit.
    void OnDayParts();
    // Watches the day-part plan from now on (Run starts it where a plan exists).
    void WatchDayParts();
    // View > Sent to Unit: beside the sheet, for the port chosen; read again
    // when the port changes or a send is over, compared again as fields change.
    void OnSentToUnit();
    void OnPrint();
    void OnExportPdf();
    // File > Print Record...: the dialog for the days to cover, beside the
    // sheet; from it the report goes to a printer, a PDF file or a window of text.
    void OnPrintRecord();
    PrintRecordDialog* PrintRecord() const;
    RecordTextWindow* RecordText() const;
    void OnAbout();
    // Help > User Guide (F1): the guide beside the sheet, read in when first opened.
    void OnUserGuide();

private:
    void RememberFile(const QString& path);
    void RefreshDayPlan();
    void ReadSentToUnitAgain();
    void FillSentToUnit(const TimerSheetDialog& sheet);
    void CompareSentToUnit();
    // request, opening where the user last was.
    FileDialogRequest InDialogFolder(FileDialogRequest request) const;
    FileDialogRequest PdfRequest() const;
    // A printer for documentName the user has set up, or nullptr when the
    // user cancelled or printing is not available (otherWay then says so,
    // with the reason as %1).
    std::unique_ptr<PaperPrinter> SetUpPrinter(QWidget* parent, const QString& documentName, const QString& otherWay);
    void ShowPrinterFailure(QWidget* parent);
    // Puts pdf at path whole or not at all, and says which; true when written.
    bool WritePdf(QWidget* parent, const QString& path, const QByteArray& pdf);
    void OnPrintRecordOnPaper();
    void OnExportRecordPdf();
    void OnShowRecordText();
    // The report of the days the dialog names, for the sheet's port; false,
    // the reason shown, when the record cannot be read.
    bool ReadRecordReport(RecordReport& report, ReportPrinting& printing);

    Prompts& prompts;
    const WorkFolder work;
    QString startNotice;
    std::unique_ptr<TimerSheetDialog> currentSheet;
    QPointer<DayPlanWindow> dayPlan;
    QPointer<DayPartsWindow> dayParts;
    std::unique_ptr<DayPartWatch> dayPartWatch;
    QPointer<SentToUnitWindow> sentToUnit;
    QPointer<UserGuideWindow> userGuide;
    QPointer<PrintRecordDialog> printRecord;
    QPointer<RecordTextWindow> recordText;
};

}  // namespace cv
