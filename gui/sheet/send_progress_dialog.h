#pragma once
// How far a send has got, while the ten timers go out: a small window over the
// sheet and modal to it, so nothing on the sheet changes mid-send, saying which
// timer is on its way. Its Cancel button has the focus, so Space, Enter or Esc
// stops the send at once, and a screen reader hears the progress there. Locking
// the sheet this way, rather than disabling its ninety widgets, spares a screen
// reader ninety state changes at the start and the end of every send, which
// held Orca up for seconds.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace cv {

class SendProgressDialog : public QDialog {
    Q_OBJECT

public:
    // cancel: asks the send to stop; the window stays until the send is over.
    SendProgressDialog(QWidget* sheet, std::function<void()> cancel);

    // "Sending Timer 3 of 10", shown and said.
    void ShowProgress(const QString& progress);
    QPushButton* CancelButton() const { return cancelButton; }

protected:
    // Esc and the close box cancel, as the button does.
    void reject() override;

private:
    std::function<void()> cancel;
    QLabel* text = nullptr;
    QPushButton* cancelButton = nullptr;
};

}  // namespace cv
