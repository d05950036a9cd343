#include "app/timer_app.h"

#include <QIcon>

#include "app/about_dialog.h"
#include "app/prompts.h"
#include "device/port_setting.h"
#include "sheet/timer_sheet.h"

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

void TimerApp::SaveTimerFile() {}

void TimerApp::LoadTimerFile() {}

void TimerApp::OnAbout() {
    AboutDialog about(currentSheet.get());
    about.exec();
}

}  // namespace cv
