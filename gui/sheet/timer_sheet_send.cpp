// "Send Timers": the ten timers go to the unit one after the other on a
// thread of their own, while the window shows how far it got, keeps painting
// and offers to cancel, also while a slow port opens.

#include <QCoreApplication>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <array>
#include <optional>
#include <string>

#include "core/device/background_send.h"
#include "core/device/serial_error.h"
#include "core/device/serial_link.h"
#include "core/device/timer_transfer.h"
#include "core/record/send_log.h"
#include "core/settings/folder_paths.h"
#include "core/settings/line_setting.h"
#include "core/timers/unit_names.h"
#include "gui/prompts.h"
#include "gui/sheet/send_progress_dialog.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

namespace {

QString Caption() { return QCoreApplication::translate("cv::TimerSheetDialog", "Serial Communications"); }

QString SendingText(int timerIndex) {
    return QCoreApplication::translate("cv::TimerSheetDialog", "Sending Timer %1 of %2")
        .arg(timerIndex + 1)
        .arg(kTimerCount);
}

}  // namespace

void TimerSheetDialog::OnSendTimers() {
    if (IsSending()) return;
    std::array<std::string, kTimerCount> names;
    for (int index = 0; index < kTimerCount; ++index) names[static_cast<std::size_t>(index)] = ColumnOnSheet(index).name;
    std::optional<std::string> refusal = FindForeignName(NamesOnSheet(), NameUse::Send);
    if (!refusal) refusal = FindUnsendableName(names);
    const LineSettingsReading line = ReadLineSettings(settingsPath);
    if (!refusal && !line.problem.empty()) refusal = line.problem;
    if (refusal) {
        promptsRef.ShowMessage(this, {Caption(), tr("Unable to Send Timers to Corvellan"),
                                      QString::fromStdString(*refusal), PromptMessage::Icon::Warning});
        return;
    }
    const LinkTarget target{portNumber, {}, line.settings};
    SendReport report;
    {
        struct Progress {
            TimerSheetDialog* sheet;
            ~Progress() { sheet->EndSendProgress(); }
        } progress{this};
        BeginSendProgress();
        QEventLoop untilDone;
        // Each timer is read from its fields here, on the window's thread, just
        // before it goes out: a timer after a failing one is never read.
        const auto readTimer = [this](int index) {
            TimerRecord record;
            QMetaObject::invokeMethod(
                this,
                [this, index, &record] {
                    ShowSendProgress(index);
                    ReadTimerFromSheet(index);
                    record = records[static_cast<std::size_t>(index)];
                },
                Qt::BlockingQueuedConnection);
            return record;
        };
        BackgroundSend send(*link, target, linkReset, readTimer,
                            [&untilDone] { QMetaObject::invokeMethod(&untilDone, &QEventLoop::quit, Qt::QueuedConnection); });
        runningSend = &send;
        untilDone.exec();
        runningSend = nullptr;
        report = send.Report();
    }
    // Written before anything else happens, a close included: the unit has
    // what it has whether or not the window stays.
    const std::string recordProblem = RecordSend(report, target);
    // The port is let go as soon as the send is over, so that the day-part
    // plan's runs (another program) can use it while the window stays open.
    link->Close();
    emit sendFinished();

    if (closeAfterSend) {
        // The close may still be refused (unsaved changes, Cancel); the
        // next send must then end as usual.
        closeAfterSend = false;
        close();
        return;
    }
    if (!report.AllSent() && report.failure.failedAt == TimerSendResult::Stage::Open) {
        promptsRef.ShowMessage(this, {Caption(),
                                      tr("Unable to open selected serial port.\n"
                                         "Select another serial port\nand try again."),
                                      QString::fromStdString(DescribeSerialError(report.failure.openError)),
                                      PromptMessage::Icon::Warning});
    }
    const QString recordNote = QString::fromStdString(recordProblem);
    if (report.AllSent()) {
        promptsRef.ShowMessage(this, {Caption(), tr("Timers Sent to Corvellan"), recordNote,
                                      PromptMessage::Icon::Information});
        return;
    }
    QStringList detail{QString::fromStdString(DescribeSendFailure(report.failedIndex, report.failure))};
    if (const std::string took = DescribeWhatTheUnitTook(report); !took.empty())
        detail << QStringLiteral("%1 %2").arg(QString::fromStdString(took),
                                              tr("View > Sent to Unit shows what the unit holds now."));
    if (!recordNote.isEmpty()) detail << recordNote;
    promptsRef.ShowMessage(this, {Caption(), tr("Unable to Send Timers to Corvellan"),
                                  detail.join(QStringLiteral("\n\n")), PromptMessage::Icon::Warning});
}

void TimerSheetDialog::BeginSendProgress() {
    focusBeforeSend = QApplication::focusWidget();
    if (!sendProgress) sendProgress = new SendProgressDialog(this, [this] { CancelSend(); });
    sendAction->setEnabled(false);
    // Timer 1's turn starts with opening the port.
    ShowSendProgress(0);
    sendProgress->open();
    sendProgress->CancelButton()->setFocus(Qt::OtherFocusReason);
}

void TimerSheetDialog::ShowSendProgress(int timerIndex) {
    const QString progress = SendingText(timerIndex);
    statusBar->showMessage(progress);
    sendProgress->ShowProgress(progress);
}

void TimerSheetDialog::EndSendProgress() {
    sendProgress->accept();
    activateWindow();
    sendAction->setEnabled(true);
    if (focusBeforeSend && focusBeforeSend->window() == this && focusBeforeSend->isEnabled()) {
        focusBeforeSend->setFocus(Qt::OtherFocusReason);
    } else {
        Field(0, TimerField::StartTime)->setFocus(Qt::OtherFocusReason);
    }
    statusBar->clearMessage();
}

QPushButton* TimerSheetDialog::CancelButton() const { return sendProgress ? sendProgress->CancelButton() : nullptr; }

std::string TimerSheetDialog::RecordSend(const SendReport& report, const LinkTarget& target) {
    // records holds each timer as it was read just before it went out.
    return cv::RecordSend(FactsOfSend(report, records, target, *link, {sourceFile, HasUnsavedChanges()},
                                      FolderOfFile(settingsPath), portRoot))
        .problem;
}

void TimerSheetDialog::CancelSend() {
    if (runningSend) runningSend->Cancel();
}

void TimerSheetDialog::closeEvent(QCloseEvent* event) {
    // Closing mid-send stops the send first; the window closes once the link
    // is quiet again.
    if (IsSending()) {
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
