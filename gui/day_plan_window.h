#pragma once
// View > Day Plan: the day the ten timers make, drawn beside the sheet and
// kept up to date as the fields are typed.

#include <QWidget>

#include "core/timers/timer_record.h"

class QLabel;
class QPlainTextEdit;

namespace cv {

class DayPlanView;

class DayPlanWindow : public QWidget {
    Q_OBJECT

public:
    explicit DayPlanWindow(QWidget* parent = nullptr);

    void ShowPlan(const TimerRecords& timers);
    // Opens the window to the right of `beside` (or to its left when the
    // screen has no room there), or brings it forward when already open.
    void ShowBeside(const QWidget& beside);

    // The lines under the picture: the clashes, then timers outside the day.
    QString ListedText() const;
    QWidget* Picture() const;
    // What hovering at point (in the picture's coordinates) names.
    QString TipAt(const QPoint& point) const;

private:
    DayPlanView* view = nullptr;
    QLabel* summary = nullptr;
    QPlainTextEdit* list = nullptr;
};

}  // namespace cv
