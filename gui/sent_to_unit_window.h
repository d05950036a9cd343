#pragma once
// View > Sent to Unit: what the unit on the chosen port holds as far as the
// record of sends knows, each field that differs from the sheet marked, and
// the recent sends to it. Reads the record when the port changes or a send
// is over, and compares again as the fields are typed.

#include <QWidget>
#include <string>

#include "core/record/send_log.h"
#include "core/record/unit_holdings.h"

class QLabel;
class QTableWidget;

namespace cv {

class SentToUnitWindow : public QWidget {
    Q_OBJECT

public:
    explicit SentToUnitWindow(QWidget* parent = nullptr);

    // Reads the record at logPath again and shows the unit on portNumber;
    // `reaches` says what the port reaches now ("" when nothing is known).
    void ShowUnit(const std::string& logPath, int portNumber, const std::string& reaches);
    // Marks the fields in which the sheet's timers differ from the unit's.
    void CompareWith(const TimerRecords& sheet);
    void ShowBeside(const QWidget& beside);
    // Wide enough for the held timers' table whole.
    QSize sizeHint() const override;

    // What the window shows, as a user reads it.
    QString HeldText(int timerIndex, TimerField field) const;
    FieldMatch MarkAt(int timerIndex, TimerField field) const;
    QString SentText(int timerIndex) const;
    QStringList SendsListed() const;  // one line per send, newest first
    QString Heading() const;
    QString RecordNote() const;

private:
    void ShowHoldings();
    void ShowSends(const SendLogContent& record, const UnitChoice& unit);

    UnitHoldings holdings;
    TimerRecords sheetTimers{};
    QLabel* heading = nullptr;
    QTableWidget* held = nullptr;
    QLabel* legend = nullptr;
    QLabel* recordNote = nullptr;
    QTableWidget* sends = nullptr;
};

}  // namespace cv
