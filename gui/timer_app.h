#pragma once
// The application: builds the timer sheet, runs it until it closes, and
// handles the commands that belong to the whole program (Save, Load, About).

#include <QObject>
#include <memory>
#include <string>

namespace cv {

class Prompts;
class TimerSheetDialog;

class TimerApp : public QObject {
    Q_OBJECT

public:
    // The settings file lives in settingsFolder, the folder the program
    // started in, wherever the file dialogs wander later.
    TimerApp(Prompts& prompts, std::string settingsFolder);
    ~TimerApp() override;

    // Builds the sheet with its icon and wires its commands; it becomes the
    // current sheet. Run() shows it modally until File > Exit or the close box.
    TimerSheetDialog& CreateSheet();
    int Run();

    // The running sheet, through which Save and Load reach the timers.
    TimerSheetDialog* CurrentSheet() const { return currentSheet.get(); }

    void SaveTimerFile();
    void LoadTimerFile();
    void OnAbout();

private:
    Prompts& prompts;
    const std::string settingsFolder;
    std::unique_ptr<TimerSheetDialog> currentSheet;
};

}  // namespace cv
