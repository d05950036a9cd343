#pragma once
// The sheet's line about the day-part plan, above its status bar: which part
// the unit holds and when the next change comes, or a part that is due and
// not on the unit, with a button to send it now. Shown only where there is a
// plan.

#include <QWidget>

class QLabel;
class QPushButton;

namespace cv {

class DayPartLine : public QWidget {
    Q_OBJECT

public:
    explicit DayPartLine(QWidget* parent);

    // The line's sentence; `offerSend` shows it as a warning, by a symbol and
    // its words as well as by colour, with Send Now beside it.
    void Show(const QString& text, bool offerSend);

    QLabel* Text() const { return text; }
    QPushButton* SendNowButton() const { return sendNow; }

signals:
    void sendNowRequested();

private:
    QLabel* mark = nullptr;
    QLabel* text = nullptr;
    QPushButton* sendNow = nullptr;
};

}  // namespace cv
