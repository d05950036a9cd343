#include "gui/timer_app.h"

#include <QApplication>
#include <QIcon>

#include "gui/about_dialog.h"
#include "gui/prompts.h"
#include "core/settings/port_setting.h"
#include "gui/timer_sheet.h"
#include "core/timerfile/timer_file_io.h"

static void InitResources() { Q_INIT_RESOURCE(cvtimer); }

namespace cv {

TimerApp::TimerApp(Prompts& prompts, std::string settingsFolder)
    : prompts(prompts), settingsFolder(std::move(settingsFolder)) {
    InitResources();
}

TimerApp::~TimerApp() = default;

TimerSheetDialog& TimerApp::CreateSheet() {
    currentSheet = std::make_unique<TimerSheetDialog>(prompts, SettingsPathIn(settingsFolder));
    TimerSheetDialog* sheet = currentSheet.get();
    sheet->setWindowIcon(QIcon(QStringLiteral(":/cvtimer.svg")));
    connect(sheet, &TimerSheetDialog::saveRequested, this, &TimerApp::SaveTimerFile);
    connect(sheet, &TimerSheetDialog::loadRequested, this, &TimerApp::LoadTimerFile);
    connect(sheet, &TimerSheetDialog::aboutRequested, this, &TimerApp::OnAbout);
    return *sheet;
}

int TimerApp::Run() {
    TimerSheetDialog& sheet = currentSheet ? *currentSheet : CreateSheet();
    sheet.exec();
    currentSheet.reset();
    return 0;
}

namespace {

const FileDialogRequest kSaveRequest{QStringLiteral("Save Timers"), QStringLiteral("CV Timer (*.csv)"),
                                     QStringLiteral("csv")};
const FileDialogRequest kLoadRequest{QStringLiteral("Load Timers"), QStringLiteral("CV Timer (*.csv)"),
                                     QStringLiteral("csv")};

PromptMessage FileErrorMessage(const TimerFileError& error) {
    return {QApplication::applicationName(), QString::fromStdString(TimerFileErrorMainText(error)),
            QString::fromStdString(TimerFileErrorDetailText(error)), PromptMessage::Icon::Warning};
}

}  // namespace

void TimerApp::SaveTimerFile() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    const QString path = prompts.AskSavePath(sheet, kSaveRequest);
    if (path.isEmpty()) return;

    for (int index = 0; index < kTimerCount; ++index) sheet->ReadTimerFromSheet(index);
    // The core takes file names, and gives its messages, in UTF-8 on every system.
    const TimerFileError error = WriteTimerFile(path.toStdString(), sheet->records);
    if (error.kind != TimerFileErrorKind::None) {
        prompts.ShowMessage(sheet, FileErrorMessage(error));
        return;
    }
    prompts.ShowMessage(sheet, {QStringLiteral("File Save"), QStringLiteral("Corvellan Timers Saved"), QString(),
                                PromptMessage::Icon::Information});
}

void TimerApp::LoadTimerFile() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    const QString path = prompts.AskOpenPath(sheet, kLoadRequest);
    if (path.isEmpty()) return;

    // A file that is not ten good lines changes nothing on the sheet.
    const TimerFileContent content = ReadTimerFile(path.toStdString());
    if (!content.ok) {
        prompts.ShowMessage(sheet, FileErrorMessage(content.error));
        return;
    }
    sheet->records = content.records;
    sheet->ShowTimersOnSheet();
}

void TimerApp::OnAbout() {
    AboutDialog about(currentSheet.get());
    about.exec();
}

}  // namespace cv
