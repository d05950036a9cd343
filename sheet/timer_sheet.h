#pragma once
// The timer sheet: the program's one window. Ten columns of five fields, the
// menu, and the "Send Timers" button.

#include <QDialog>
#include <array>

#include "sheet/timer_record.h"
#include "sheet/timer_table.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

namespace cv {

class Prompts;

inline constexpr int kPortMenuCount = 12;

class TimerSheetDialog : public QDialog {
    Q_OBJECT

public:
    explicit TimerSheetDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Reads the five fields of one column into records[timerIndex]; any index
    // outside 0..9 does nothing.
    void ReadTimerFromSheet(int timerIndex);
    // Shows all ten records in the fields, times in their formatted form.
    void ShowTimersOnSheet();

    ColumnTexts ColumnOnSheet(int timerIndex) const;
    QLineEdit* Field(int timerIndex, TimerField field) const;
    QAction* PortAction(int portNumber) const;  // 1..12
    QPushButton* SendButton() const { return sendButton; }
    QMenu* CommPortMenu() const { return commPortMenu; }
    Prompts& prompts() const { return promptsRef; }

    TimerRecords records{};

signals:
    void saveRequested();
    void loadRequested();
    void aboutRequested();
    void sendRequested();
    void portChosen(int portNumber);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenu(QVBoxLayout* outer);
    QWidget* BuildBlock(int firstTimer);
    void SetTabOrder();
    void ShowColumn(int timerIndex, const ColumnTexts& texts);

    Prompts& promptsRef;
    std::array<std::array<QLineEdit*, kFieldsPerTimer>, kTimerCount> fields{};
    std::array<QAction*, kPortMenuCount> portActions{};
    QActionGroup* portGroup = nullptr;
    QMenu* commPortMenu = nullptr;
    QPushButton* sendButton = nullptr;
    QStatusBar* statusBar = nullptr;
};

}  // namespace cv
