#include "gui/timer_app.h"

#include <QApplication>
#include <QFileInfo>

#include "core/settings/port_setting.h"
#include "gui/access/accessibility.h"
#include "gui/windows/about_dialog.h"
#include "core/device/port_map.h"
#include "core/record/send_log.h"
#include "core/schedule/day_part_plan.h"
#include "gui/day_part_watch.h"
#include "gui/windows/day_parts_window.h"
#include "gui/windows/day_plan_window.h"
#include "gui/windows/sent_to_unit_window.h"
#include "gui/program_icon.h"
#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/windows/user_guide_window.h"

static void InitResources() { Q_INIT_RESOURCE(cvtimer); }

namespace cv {

TimerApp::TimerApp(Prompts& prompts, WorkFolder work) : prompts(prompts), work(std::move(work)) {
    InitResources();
    InstallAccessibility();
}

TimerApp::TimerApp(Prompts& prompts, std::string settingsFolder)
    : TimerApp(prompts, WorkFolder{settingsFolder, WorkFolder::Reason::StartFolder, settingsFolder}) {}

TimerApp::~TimerApp() {
    // The watch looks at the sheet: it goes first.
    dayPartWatch.reset();
}

TimerSheetDialog& TimerApp::CreateSheet() {
    currentSheet = std::make_unique<TimerSheetDialog>(prompts, SettingsPathIn(work.folder));
    TimerSheetDialog* sheet = currentSheet.get();
    sheet->setWindowIcon(ProgramIcon());
    sheet->SetCloseCheck([this] { return OfferToSaveChanges(); });
    connect(sheet, &TimerSheetDialog::saveRequested, this, &TimerApp::SaveTimerFile);
    connect(sheet, &TimerSheetDialog::loadRequested, this, &TimerApp::LoadTimerFile);
    connect(sheet, &TimerSheetDialog::recentFileChosen, this, &TimerApp::OpenRecentFile);
    connect(sheet, &TimerSheetDialog::fileDropped, this, &TimerApp::OpenDroppedFile);
    connect(sheet, &TimerSheetDialog::printRequested, this, &TimerApp::OnPrint);
    connect(sheet, &TimerSheetDialog::exportPdfRequested, this, &TimerApp::OnExportPdf);
    connect(sheet, &TimerSheetDialog::printRecordRequested, this, &TimerApp::OnPrintRecord);
    connect(sheet, &TimerSheetDialog::dayPlanRequested, this, &TimerApp::OnDayPlan);
    connect(sheet, &TimerSheetDialog::dayPartsRequested, this, &TimerApp::OnDayParts);
    connect(sheet, &TimerSheetDialog::fieldsEdited, this, &TimerApp::RefreshDayPlan);
    connect(sheet, &TimerSheetDialog::sentToUnitRequested, this, &TimerApp::OnSentToUnit);
    connect(sheet, &TimerSheetDialog::portSelected, this, &TimerApp::ReadSentToUnitAgain);
    connect(sheet, &TimerSheetDialog::sendFinished, this, &TimerApp::ReadSentToUnitAgain);
    connect(sheet, &TimerSheetDialog::fieldsEdited, this, &TimerApp::CompareSentToUnit);
    connect(sheet, &TimerSheetDialog::aboutRequested, this, &TimerApp::OnAbout);
    connect(sheet, &TimerSheetDialog::userGuideRequested, this, &TimerApp::OnUserGuide);
    return *sheet;
}

int TimerApp::Run(const QString& fileToOpen) {
    TimerSheetDialog& sheet = currentSheet ? *currentSheet : CreateSheet();
    if (!startNotice.isEmpty()) sheet.ShowStartNotice(startNotice);
    // Only where there is a plan: a start without one looks at nothing more.
    if (QFileInfo::exists(QString::fromStdString(DayPartPlanPathIn(work.folder)))) WatchDayParts();
    if (!fileToOpen.isEmpty()) {
        // Shown first, so that a refusal has a window to stand on.
        sheet.show();
        OpenTimerFile(fileToOpen);
    }
    sheet.exec();
    dayPartWatch.reset();
    currentSheet.reset();
    return 0;
}

void TimerApp::OnDayPlan() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    // A child of the sheet, so it is not shut out by the sheet's modality
    // and goes when the sheet goes.
    if (!dayPlan) dayPlan = new DayPlanWindow(sheet);
    dayPlan->ShowPlan(sheet->TimersOnSheet());
    dayPlan->ShowBeside(*sheet);
}

DayPlanWindow* TimerApp::DayPlan() const { return dayPlan; }

void TimerApp::OnDayParts() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    // A child of the sheet, like the day plan.
    if (!dayParts) {
        dayParts = new DayPartsWindow(prompts, work.folder, sheet);
        connect(dayParts, &DayPartsWindow::saved, this, &TimerApp::WatchDayParts);
    } else if (!dayParts->isVisible()) {
        dayParts->Reload();
    }
    dayParts->ShowBeside(*sheet);
}

DayPartsWindow* TimerApp::DayParts() const { return dayParts; }

void TimerApp::WatchDayParts() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    if (dayPartWatch) {
        dayPartWatch->LookAgain();
        return;
    }
    dayPartWatch = std::make_unique<DayPartWatch>(*sheet, prompts, work.folder);
    connect(dayPartWatch.get(), &DayPartWatch::planSent, this, &TimerApp::ReadSentToUnitAgain);
}

FileDialogRequest TimerApp::InDialogFolder(FileDialogRequest request) const {
    // Where the last file was loaded or saved, else where the program works.
    const std::string lastFile = currentSheet ? currentSheet->SourceFile() : std::string();
    request.folder = lastFile.empty() ? QString::fromStdString(work.folder)
                                      : QFileInfo(QString::fromStdString(lastFile)).absolutePath();
    return request;
}

void TimerApp::RefreshDayPlan() {
    if (dayPlan && dayPlan->isVisible() && currentSheet) dayPlan->ShowPlan(currentSheet->TimersOnSheet());
}

void TimerApp::OnSentToUnit() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    // A child of the sheet, like the day plan.
    if (!sentToUnit) sentToUnit = new SentToUnitWindow(sheet);
    FillSentToUnit(*sheet);
    sentToUnit->ShowBeside(*sheet);
}

SentToUnitWindow* TimerApp::SentToUnit() const { return sentToUnit; }

void TimerApp::ReadSentToUnitAgain() {
    if (sentToUnit && sentToUnit->isVisible() && currentSheet) FillSentToUnit(*currentSheet);
}

void TimerApp::FillSentToUnit(const TimerSheetDialog& sheet) {
    const PortLookup lookup = FindPortDevice(sheet.portNumber, ReadPortOverrides(sheet.settingsPath), sheet.PortRoot());
    sentToUnit->ShowUnit(SendLogPathIn(work.folder), sheet.portNumber,
                         lookup.found ? DisplayDeviceName(lookup.device) : std::string());
    sentToUnit->CompareWith(sheet.TimersOnSheet());
}

void TimerApp::CompareSentToUnit() {
    if (sentToUnit && sentToUnit->isVisible() && currentSheet) sentToUnit->CompareWith(currentSheet->TimersOnSheet());
}

void TimerApp::OnUserGuide() {
    TimerSheetDialog* sheet = currentSheet.get();
    if (!sheet) return;
    // A child of the sheet, like the day plan; it keeps its place in the
    // guide when closed and opened again.
    if (!userGuide) userGuide = new UserGuideWindow(sheet);
    userGuide->ShowBeside(*sheet);
}

UserGuideWindow* TimerApp::UserGuide() const { return userGuide; }

void TimerApp::OnAbout() {
    AboutDialog about(work, currentSheet.get());
    about.exec();
}

}  // namespace cv
