// "Send Timers": the ten timers go to the unit one after the other while the
// window shows how far it got and offers to cancel.

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <array>
#include <optional>
#include <string>

#include "gui/prompts.h"
#include "core/device/serial_error.h"
#include "core/device/serial_link.h"
#include "core/device/timer_transfer.h"
#include "core/timers/unit_names.h"
#include "gui/timer_sheet.h"

namespace cv {

namespace {

const QString kCaption = QStringLiteral("Serial Communications");

// While a send runs: inputs locked, progress in the status bar, Cancel shown,
// and the event loop served between waits so the window keeps repainting.
class SendProgress : public TransferObserver {
public:
    SendProgress(QWidget* editArea, QWidget* menuBar, QPushButton* cancel, QStatusBar* status,
                 const bool& cancelRequested)
        : editArea(editArea), menuBar(menuBar), cancel(cancel), status(status), cancelRequested(cancelRequested) {
        editArea->setEnabled(false);
        menuBar->setEnabled(false);
        cancel->setVisible(true);
        cancel->setEnabled(true);
    }
    ~SendProgress() override {
        editArea->setEnabled(true);
        menuBar->setEnabled(true);
        cancel->setVisible(false);
        status->clearMessage();
    }

    void TimerStarted(int timerIndex) override {
        status->showMessage(QStringLiteral("Sending Timer %1 of %2").arg(timerIndex + 1).arg(kTimerCount));
        QApplication::processEvents();
    }
    bool KeepGoing() override {
        QApplication::processEvents();
        return !cancelRequested;
    }

private:
    QWidget* editArea;
    QWidget* menuBar;
    QPushButton* cancel;
    QStatusBar* status;
    const bool& cancelRequested;
};

}  // namespace

void TimerSheetDialog::OnSendTimers() {
    if (sending) return;
    std::array<std::string, kTimerCount> names;
    for (int index = 0; index < kTimerCount; ++index) names[static_cast<std::size_t>(index)] = ColumnOnSheet(index).name;
    if (const std::optional<std::string> refusal = FindUnsendableName(names)) {
        promptsRef.ShowMessage(this, {kCaption, QStringLiteral("Unable to Send Timers to Corvellan"),
                                      QString::fromLatin1(*refusal), PromptMessage::Icon::Warning});
        return;
    }
    sending = true;
    cancelRequested = false;
    SendReport report;
    {
        SendProgress progress(editArea, menuBar, cancelButton, statusBar, cancelRequested);
        report = SendTimers(*link, LinkTarget{portNumber, {}}, linkReset,
                            [this](int index) {
                                ReadTimerFromSheet(index);
                                return records[index];
                            },
                            &progress);
    }
    sending = false;

    if (closeAfterSend) {
        // The close may still be refused (unsaved changes, Cancel); the
        // next send must then end as usual.
        closeAfterSend = false;
        close();
        return;
    }
    if (!report.AllSent() && report.failure.failedAt == TimerSendResult::Stage::Open) {
        promptsRef.ShowMessage(this, {kCaption,
                                      QStringLiteral("Unable to open selected serial port.\n"
                                                     "Select another serial port\nand try again."),
                                      QString::fromStdString(DescribeSerialError(report.failure.openError)),
                                      PromptMessage::Icon::Warning});
    }
    if (report.AllSent()) {
        promptsRef.ShowMessage(this, {kCaption, QStringLiteral("Timers Sent to Corvellan"), QString(),
                                      PromptMessage::Icon::Information});
    } else {
        promptsRef.ShowMessage(this, {kCaption, QStringLiteral("Unable to Send Timers to Corvellan"),
                                      QString::fromStdString(DescribeSendFailure(report.failedIndex, report.failure)),
                                      PromptMessage::Icon::Warning});
    }
}

void TimerSheetDialog::CancelSend() { cancelRequested = sending; }

void TimerSheetDialog::closeEvent(QCloseEvent* event) {
    // Closing mid-send stops the send first; the window closes once the link
    // is quiet again.
    if (sending) {
        closeAfterSend = true;
        CancelSend();
        event->ignore();
        return;
    }
    if (closeCheck && !closeCheck()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace cv
