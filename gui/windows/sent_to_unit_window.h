#pragma once
// View > Sent to Unit: what the unit on the chosen port holds as far as the
// record of sends knows, each field that differs from the sheet marked, and
// the recent sends to it. Reads the record when the port changes or a send
// is over, and compares again as the fields are typed.

#include <string>

#include "core/record/send_log.h"
#include "core/record/unit_holdings.h"
#include "gui/windows/secondary_window.h"

class QLabel;
class QTableWidget;

namespace cv {

class SentToUnitWindow : public SecondaryWindow {
    Q_OBJECT

public:
    explicit SentToUnitWindow(QWidget* parent = nullptr);

    // Reads the record at logPath again and shows the unit on portNumber;
    // `reaches` says what the port reaches now ("" when nothing is known).
    void ShowUnit(const std::string& logPath, int portNumber, const std::string& reaches);
    // Marks the fields in which the sheet's timers differ from the unit's.
    void CompareWith(const TimerRecords& sheet);
    // Wide enough for the held timers' table whole.
    QSize sizeHint() const override;

    // What the window shows, as a user reads it: a value, without the mark
    // beside a differing one.
    QString HeldText(int timerIndex, TimerField field) const;
    QTableWidget* HeldTable() const { return held; }
    // What the line under the table says about the cell in focus.
    QString CellDetail() const;
    FieldMatch MarkAt(int timerIndex, TimerField field) const;
    QString SentText(int timerIndex) const;
    QStringList SendsListed() const;  // one line per send, newest first
    QString Heading() const;
    QString RecordNote() const;

protected:
    bool event(QEvent* event) override;

private:
    void ShowHoldings();
    void ShowCellDetail();
    void ShowSends(const SendLogContent& record, const UnitChoice& unit);

    UnitHoldings holdings;
    TimerRecords sheetTimers{};
    QLabel* heading = nullptr;
    QTableWidget* held = nullptr;
    QLabel* legend = nullptr;
    QLabel* detail = nullptr;
    QLabel* recordNote = nullptr;
    QTableWidget* sends = nullptr;
};

}  // namespace cv
