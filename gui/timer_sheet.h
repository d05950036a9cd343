#pragma once
// The timer sheet: the program's one window. Ten columns of five fields, the
// menu, and the "Send Timers" button.

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "core/timers/timer_record.h"
#include "core/timers/timer_table.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

namespace cv {

class Prompts;
class SerialLink;

inline constexpr int kPortMenuCount = 12;

class TimerSheetDialog : public QDialog {
    Q_OBJECT

public:
    // settingsPath: the settings file that remembers the port between runs.
    TimerSheetDialog(Prompts& prompts, std::string settingsPath, QWidget* parent = nullptr);

    // Reads the five fields of one column into records[timerIndex]; any index
    // outside 0..9 does nothing.
    void ReadTimerFromSheet(int timerIndex);
    // Shows all ten records in the fields, times in their formatted form.
    void ShowTimersOnSheet();

    // Port choice: read from the settings file at start, marked in the Comm
    // Port menu, written back at start and at every choice.
    void LoadPortSetting();
    void SelectPort(int port);
    void ApplyPortSelection();

    // Sends all ten timers, shows progress, reports the outcome in a box.
    void OnSendTimers();
    void CancelSend();

    ColumnTexts ColumnOnSheet(int timerIndex) const;
    QLineEdit* Field(int timerIndex, TimerField field) const;
    QAction* PortAction(int portNumber) const;  // 1..12
    QPushButton* SendButton() const { return sendButton; }
    QPushButton* CancelButton() const { return cancelButton; }
    QMenu* CommPortMenu() const { return commPortMenu; }
    QStatusBar* StatusBar() const { return statusBar; }
    Prompts& prompts() const { return promptsRef; }
    bool IsSending() const { return sending; }

    // The link sends go through (the process-wide one unless a test sets another).
    void SetLink(SerialLink& serialLink) { link = &serialLink; }
    // Where the Comm Port tips look for devices ("/" unless a test sets a tree).
    void SetPortRoot(std::string root) { portRoot = std::move(root); }

    TimerRecords records{};
    std::uint16_t portNumber = 1;
    const std::string settingsPath;
    bool linkReset = false;  // a different port was chosen since the link opened

signals:
    void saveRequested();
    void loadRequested();
    void aboutRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenu(QVBoxLayout* outer);
    QWidget* BuildBlock(int firstTimer);
    void SetTabOrder();
    void ShowColumn(int timerIndex, const ColumnTexts& texts);
    void RefreshPortTips();

    Prompts& promptsRef;
    SerialLink* link;
    std::string portRoot = "/";
    bool sending = false;
    bool cancelRequested = false;
    bool closeAfterSend = false;

    std::array<std::array<QLineEdit*, kFieldsPerTimer>, kTimerCount> fields{};
    std::array<QAction*, kPortMenuCount> portActions{};
    QActionGroup* portGroup = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* commPortMenu = nullptr;
    QWidget* editArea = nullptr;
    QPushButton* sendButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QStatusBar* statusBar = nullptr;
};

}  // namespace cv
