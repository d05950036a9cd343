#pragma once
// The window's eye on the day-part plan, where there is one: the sheet's line
// says which part the unit holds and when the next change comes, a part that
// is due and not on the unit can be sent at once, and a send the plan made
// while the window was open (cvtimerctl started by the system's scheduler) is
// told on the status line and refreshes Sent to Unit. It looks again when the
// plan or the record of sends changes on disk and at each change of the day.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace cv {

class DayPartLine;
class Prompts;
class TimerSheetDialog;
struct DayPartRun;

class DayPartWatch : public QObject {
    Q_OBJECT

public:
    // folder: where CVTimerSystem.ini, the plan and the record are kept.
    DayPartWatch(TimerSheetDialog& sheet, Prompts& prompts, std::string folder);
    ~DayPartWatch() override;

    // Reads the plan, the clock and the record again and shows what they say.
    void LookAgain();
    // Sends the due part now, as a run of the plan (recorded as the plan's).
    void SendNow();
    bool IsSending() const { return sending.joinable(); }

    DayPartLine* Line() const { return line; }
    // The clock it looks at (the system's unless set: the screenshots show a fixed moment).
    void SetClock(std::function<std::time_t()> clock) { now = std::move(clock); }

signals:
    // The record gained a send of the plan's, made elsewhere.
    void planSent();
    // A Send Now is over.
    void sendNowFinished();

private:
    void Watch();
    void Show(const DayPartRun& run);
    void TellNewPlanSends();
    void SendNowDone(std::shared_ptr<DayPartRun> run);
    // "10:30 PM" today, "Fri 2026-12-11 10:30 PM" another day.
    QString When(std::time_t moment) const;

    TimerSheetDialog& sheet;
    Prompts& prompts;
    const std::string folder;
    const std::string planPath;
    QFileSystemWatcher watcher;
    QTimer settle;      // a burst of changes on disk is looked at once
    QTimer nextChange;  // the next start of a part
    DayPartLine* line = nullptr;
    std::string newestPlanEntry;  // the newest plan send already told of: when it went, and its due start
    bool recordRead = false;
    std::function<std::time_t()> now = [] { return std::time(nullptr); };
    std::thread sending;
};

}  // namespace cv
