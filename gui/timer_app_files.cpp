// The timer files behind the sheet: File > Save and File > Load, the recent
// files, a file dropped on the window or named at start, and the question
// that keeps unsaved work from being lost.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/settings/recent_files.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/unit_names.h"
#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"

namespace cv {

namespace {

// Made when asked, after the language is installed.
FileDialogRequest SaveRequest() {
    return {QCoreApplication::translate("cv::TimerApp", "Save Timers"),
            QCoreApplication::translate("cv::TimerApp", "CV Timer (*.csv)"), QStringLiteral("csv")};
}
FileDialogRequest LoadRequest() {
    return {QCoreApplication::translate("cv::TimerApp", "Load Timers"),
            QCoreApplication::translate("cv::TimerApp", "CV Timer (*.csv)"), QStringLiteral("csv")};
}

PromptMessage FileErrorMessage(const TimerFileError& error) {
    return {QApplication::applicationName(), QString::fromStdString(TimerFileErrorMainText(error)),
            QString::fromStdString(TimerFileErrorDetailText(error)), PromptMessage::Icon::Warning};
}

// The core takes file names, and gives its messages, in UTF-8 on every system.
// Paths reach the core, its messages and the settings file in the system's own
// form: "C:\Kitchen\lunch.csv" on Windows, as its users write them.
std::string CorePath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

bool TimerApp::SaveTimerFile() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return false;
    // Asked before the file dialog: a name the unit cannot show would reach
    // the file as "?".
    if (const std::optional<std::string> refusal = FindForeignName(sheet->NamesOnSheet(), NameUse::Save)) {
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Could Not Save Timers"),
                                    QString::fromStdString(*refusal), PromptMessage::Icon::Warning});
        return false;
    }
    const QString path = prompts.AskSavePath(sheet, InDialogFolder(SaveRequest()));
    if (path.isEmpty()) return false;

    for (int index = 0; index < kTimerCount; ++index) sheet->ReadTimerFromSheet(index);
    const TimerFileError error = WriteTimerFile(CorePath(path), sheet->records);
    if (error.kind != TimerFileErrorKind::None) {
        prompts.ShowMessage(sheet, FileErrorMessage(error));
        return false;
    }
    sheet->RememberFieldsAsSaved();
    RememberFile(path);
    prompts.ShowMessage(sheet, {tr("File Save"), tr("Corvellan Timers Saved"), QString(),
                                PromptMessage::Icon::Information});
    return true;
}

void TimerApp::LoadTimerFile() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet || !OfferToSaveChanges()) return;
    const QString path = prompts.AskOpenPath(sheet, InDialogFolder(LoadRequest()));
    if (path.isEmpty()) return;
    OpenTimerFile(path);
}

void TimerApp::OpenRecentFile(const QString& path) {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    if (!QFileInfo::exists(path)) {
        ForgetRecentFile(sheet->settingsPath, CorePath(path));
        sheet->RefreshRecentFiles();
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Cannot Load Timer File"),
                                    tr("\"%1\" is no longer there, so it has been taken off the "
                                       "Recent Files list.")
                                        .arg(path),
                                    PromptMessage::Icon::Warning});
        return;
    }
    if (!OfferToSaveChanges()) return;
    OpenTimerFile(path);
}

void TimerApp::OpenDroppedFile(const QString& path) {
    if (!currentSheet || !OfferToSaveChanges()) return;
    OpenTimerFile(path);
}

bool TimerApp::OpenTimerFile(const QString& path) {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return false;
    // A file that is not ten good lines changes nothing on the sheet.
    const TimerFileContent content = ReadTimerFile(CorePath(path));
    if (!content.ok) {
        prompts.ShowMessage(sheet, FileErrorMessage(content.error));
        return false;
    }
    sheet->records = content.records;
    sheet->ShowTimersOnSheet();
    sheet->ShowNames(content.shownNames);
    sheet->RememberFieldsAsSaved();
    RememberFile(path);
    const std::string conversion = DescribeTimerFileConversion(content, CorePath(path));
    if (!conversion.empty()) {
        QString note = QString::fromStdString(conversion);
        if (FindForeignName(content.shownNames, NameUse::Save)) {
            note = QStringLiteral("%1 %2").arg(
                note, tr("Its field is marked: change the name before saving or sending the timers."));
        }
        prompts.ShowMessage(sheet, {QApplication::applicationName(), tr("Timer File Converted"), note,
                                    PromptMessage::Icon::Information});
    }
    return true;
}

void TimerApp::RememberFile(const QString& path) {
    TimerSheetDialog* sheet = currentSheet.get();
    const QFileInfo file(path);
    // The list outlives this run and its current folder, so it holds full paths.
    sheet->SetSourceFile(CorePath(file.absoluteFilePath()));
    RememberRecentFile(sheet->settingsPath, sheet->SourceFile());
    sheet->RefreshRecentFiles();
}

bool TimerApp::OfferToSaveChanges() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet || !sheet->HasUnsavedChanges()) return true;
    const PromptMessage question{QApplication::applicationName(), tr("Save changes to the timers?"),
                                 QString(), PromptMessage::Icon::Warning};
    switch (prompts.AskSaveChanges(sheet, question)) {
        case SaveChangesAnswer::Save: return SaveTimerFile();
        case SaveChangesAnswer::Discard: return true;
        case SaveChangesAnswer::Cancel: break;
    }
    return false;
}

}  // namespace cv
