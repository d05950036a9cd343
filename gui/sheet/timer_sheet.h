#pragma once
// The timer sheet: the program's one window. Ten columns of five fields, the
// menu, and the "Send Timers" button.

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/device/port_menu.h"
#include "core/timers/timer_record.h"
#include "core/timers/timer_table.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QMimeData;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QVBoxLayout;

namespace cv {

class BackgroundSend;
class DayPartLine;
class Prompts;
class SendProgressDialog;
class SerialLink;
struct LinkTarget;
struct SendReport;

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
    // Puts these names (UTF-8) into the name fields: a loaded file's names as
    // written, which the records hold only as the unit takes them.
    void ShowNames(const std::array<std::string, kTimerCount>& names);

    // Port choice: read from the settings file at start, marked in the Comm
    // Port menu, written back at start and at every choice.
    void LoadPortSetting();
    void SelectPort(int port);
    void ApplyPortSelection();

    // Sends all ten timers, shows progress, reports the outcome in a box.
    void OnSendTimers();
    void CancelSend();

    // Unsaved work: whether the fields differ from what was last loaded,
    // saved or shown at start. The title carries the file's name and Qt's
    // modified marker.
    bool HasUnsavedChanges() const { return isWindowModified(); }
    void RememberFieldsAsSaved();
    // The timer file last loaded or saved, in full; its name goes in the title.
    void SetSourceFile(std::string path);
    const std::string& SourceFile() const { return sourceFile; }
    // Asked before the window closes (File > Exit, the close box); false keeps it open.
    void SetCloseCheck(std::function<bool()> check) { closeCheck = std::move(check); }

    // File > Recent Files, read again from the settings file.
    void RefreshRecentFiles();
    // A line above the status bar for the rest of the run, for what the user
    // should hear once but that needs no answer (the status bar itself turns
    // to the first field's reading at once).
    void ShowStartNotice(const QString& text);
    // The line about the day-part plan above the status bar, made at the first call.
    DayPartLine* ShowDayPartLine();
    QMenu* RecentFilesMenu() const { return recentMenu; }

    // The ten timers as the fields read now, leaving records as they are.
    TimerRecords TimersOnSheet() const;
    // The ten names as typed, in UTF-8, characters the unit cannot show kept.
    std::array<std::string, kTimerCount> NamesOnSheet() const;
    ColumnTexts ColumnOnSheet(int timerIndex) const;
    QLineEdit* Field(int timerIndex, TimerField field) const;
    // The Comm Port item of a port, or nullptr when the menu does not offer it now.
    QAction* PortAction(int portNumber) const;
    QPushButton* SendButton() const { return sendButton; }
    QAction* SendAction() const { return sendAction; }
    // The send's Cancel button, in the window that shows its progress; nullptr
    // before the first send.
    QPushButton* CancelButton() const;
    QMenu* CommPortMenu() const { return commPortMenu; }
    QStatusBar* StatusBar() const { return statusBar; }
    Prompts& prompts() const { return promptsRef; }
    bool IsSending() const { return runningSend != nullptr; }

    // Keeps the window within the available area of its screen (a large font or
    // a screen scaled to 200 %), the fields scrolling where they do not fit.
    void FitToScreen();
    // The same for a screen whose available area is `available`.
    void FitToScreen(const QRect& available);
    // Where the fields scroll, once the screen was found too small for them.
    QScrollArea* Scroller() const { return scroller; }

    // The link sends go through (the process-wide one unless a test sets another).
    void SetLink(SerialLink& serialLink) { link = &serialLink; }
    // Where the Comm Port menu looks for devices ("/" unless a test sets a tree).
    void SetPortRoot(std::string root) { portRoot = std::move(root); }
    const std::string& PortRoot() const { return portRoot; }

    TimerRecords records{};
    std::uint16_t portNumber = 1;
    const std::string settingsPath;
    bool linkReset = false;  // a different port was chosen since the link opened

signals:
    void saveRequested();
    void loadRequested();
    void aboutRequested();
    void userGuideRequested();
    void printRequested();
    void exportPdfRequested();
    void printRecordRequested();
    void dayPlanRequested();
    void dayPartsRequested();
    void sentToUnitRequested();
    // A port was chosen from the Comm Port menu.
    void portSelected();
    // A send is over and its entry is in the record of sends (or could not be).
    void sendFinished();
    void recentFileChosen(const QString& path);
    // Sent once the drop itself is over, so any question it raises does not
    // hold up the program the file came from.
    void fileDropped(const QString& path);
    // Any field's text changed, by typing or by the program.
    void fieldsEdited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu(QVBoxLayout* outer);
    QWidget* BuildBlock(int firstTimer);
    void SetTabOrder();
    void ShowColumn(int timerIndex, const ColumnTexts& texts);
    // Rebuilds the items above Port 12 and every item's text and tip from one look
    // at the ports present now.
    void RefreshPortMenu();
    // The items above Port 12 for those of `numbers`.
    void ShowPortItems(const std::vector<int>& numbers);
    QAction* AddPortAction(int number);
    // A port item's words, with '&' written "&&"; MarkPortMnemonics() shows them
    // with each item's key among the others.
    void SetPortText(QAction* port, const QString& text);
    void MarkPortMnemonics();
    void WatchFields();
    void OnFieldTextChanged(int timerIndex, TimerField field);
    void ShowFieldReading(int timerIndex, TimerField field);
    // Room on the status bar for the longest readings this language has.
    void KeepRoomForReadings();
    // The field's tint, corner mark and tip for how it reads; a focused field
    // that turns doubtful says so to a screen reader.
    void MarkField(int timerIndex, TimerField field);
    // Marks again in the colours of a changed palette.
    void RefreshMarks();
    // The progress window, its Cancel button in focus, for the send's length;
    // the focus comes back after.
    void BeginSendProgress();
    void EndSendProgress();
    void ShowSendProgress(int timerIndex);
    void UpdateTitle();
    QString DroppedFile(const QMimeData* data) const;
    // Adds the send's entry to the record of sends; what went wrong, if anything.
    std::string RecordSend(const SendReport& report, const LinkTarget& target);
    bool TakeDrag(QEvent* event);

    Prompts& promptsRef;
    SerialLink* link;
    std::string portRoot = "/";
    BackgroundSend* runningSend = nullptr;  // while a send runs
    bool closeAfterSend = false;
    std::array<ColumnTexts, kTimerCount> savedTexts{};
    std::string sourceFile;  // "" before any file was loaded or saved
    QString shownReading;  // the field reading the status bar shows, if any
    std::function<bool()> closeCheck;

    std::array<std::array<QLineEdit*, kFieldsPerTimer>, kTimerCount> fields{};
    std::array<QAction*, kPortMenuCount> portActions{};
    std::vector<QAction*> morePortItems;  // below Port 12: a separator, then Port 13 and up
    QHash<QAction*, QString> portWords;
    QActionGroup* portGroup = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* commPortMenu = nullptr;
    QMenu* recentMenu = nullptr;
    QWidget* editArea = nullptr;
    QPushButton* sendButton = nullptr;
    SendProgressDialog* sendProgress = nullptr;  // made at the first send
    QAction* sendAction = nullptr;
    QStatusBar* statusBar = nullptr;
    DayPartLine* dayPartLine = nullptr;  // made where there is a day-part plan
    QScrollArea* scroller = nullptr;  // made when the fields first need to scroll
    QSize naturalSize;                // the window's size with nothing scrolled away
    bool watchingScreen = false;
    QPointer<QWidget> focusBeforeSend;
};

}  // namespace cv
