#pragma once
// View > Day Plan: the day the ten timers make, drawn beside the sheet and
// kept up to date as the fields are typed. The picture has a text beside it
// that says the same: every reminder by time, in a list the keyboard reaches.

#include "core/timers/day_plan.h"
#include "gui/windows/secondary_window.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace cv {

class DayPlanView;

class DayPlanWindow : public SecondaryWindow {
    Q_OBJECT

public:
    explicit DayPlanWindow(QWidget* parent = nullptr);

    void ShowPlan(const TimerRecords& timers);

    // The lines under the picture: the clashes, then timers outside the day.
    QString ListedText() const;
    // The reminders by time, one line per minute ("06:30 AM  Hands Washing, Travel Path").
    QListWidget* Reminders() const { return reminders; }
    QWidget* Picture() const;
    // What hovering at point (in the picture's coordinates) names.
    QString TipAt(const QPoint& point) const;

private:
    void ShowReminders(const TimerRecords& timers, const DayPlan& plan);

    DayPlanView* view = nullptr;
    QLabel* summary = nullptr;
    QPlainTextEdit* list = nullptr;
    QListWidget* reminders = nullptr;
};

}  // namespace cv
