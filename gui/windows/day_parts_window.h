#pragma once
// File > Day Parts...: the day-part plan, edited. The parts in a table (name,
// start, days or dates, timer file), the closed dates and the unit's port,
// whether the unit holds each part's timers now, and the week as the plan
// makes it. Save writes the plan as the settings file is written, in one
// step, keeping the comments and layout of a plan written by hand.

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "core/schedule/day_part_plan.h"
#include "core/schedule/plan_edit.h"
#include "gui/windows/secondary_window.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace cv {

class Prompts;

class DayPartsWindow : public SecondaryWindow {
    Q_OBJECT

public:
    // folder: where CVTimerSystem.ini, the plan and the record are kept.
    DayPartsWindow(Prompts& prompts, std::string folder, QWidget* parent = nullptr);

    // Reads the plan from disk again (a new one when there is none yet).
    void Reload();
    // Writes the plan; false, having said why, when it was not written.
    bool Save();
    bool HasUnsavedChanges() const { return modified; }

    // Columns of the parts' table.
    enum Column { kName, kStart, kDays, kSheet, kOnUnit, kColumnCount };

    QTableWidget* Parts() const { return parts; }
    QLineEdit* ClosedDates() const { return closed; }
    QLineEdit* Port() const { return port; }
    QListWidget* Week() const { return week; }
    QLabel* Problem() const { return problem; }
    void AddPart();
    void RemovePart();
    // The file dialog for the timer file of the part in focus.
    void ChooseSheet();

    QSize sizeHint() const override;

    // The clock the week and the unit's holdings are read at (the system's
    // unless set: the screenshots show a fixed day).
    void SetClock(std::function<std::time_t()> clock) { now = std::move(clock); }

signals:
    // The plan on disk changed through this window.
    void saved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowPlan(const DayPartPlan& plan);
    void ShowWeek(const DayPartPlan& plan);
    void ShowOnUnit(const DayPartPlan& plan);
    void ShowProblem(const QString& text);
    void SetRow(int row, const DayPartTexts& texts, const QString& oldName);
    void MarkModified() { modified = true; }

    Prompts& prompts;
    const std::string folder;
    const std::string planPath;
    QLabel* where = nullptr;
    QLabel* problem = nullptr;
    QTableWidget* parts = nullptr;
    QLineEdit* closed = nullptr;
    QLineEdit* port = nullptr;
    QListWidget* week = nullptr;
    QPushButton* save = nullptr;
    std::function<std::time_t()> now = [] { return std::time(nullptr); };
    bool modified = false;
    bool filling = false;  // the table is being filled, not edited
};

}  // namespace cv
