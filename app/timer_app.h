#pragma once
// The application: builds the timer sheet, runs it until it closes, and
// handles the commands that belong to the whole program (Save, Load, About).

#include <QObject>
#include <memory>

namespace cv {

class Prompts;
class TimerSheetDialog;

class TimerApp : public QObject {
    Q_OBJECT

public:
    explicit TimerApp(Prompts& prompts);
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
    std::unique_ptr<TimerSheetDialog> currentSheet;
};

}  // namespace cv
