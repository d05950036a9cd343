#include "gui/sheet/send_progress_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/access/accessibility.h"

namespace cv {

SendProgressDialog::SendProgressDialog(QWidget* sheet, std::function<void()> cancel)
    : QDialog(sheet, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), cancel(std::move(cancel)) {
    setWindowTitle(tr("Sending Timers"));
    setObjectName(QStringLiteral("sendProgress"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    text = new QLabel(this);
    // Room for the longest progress, so the window keeps its size.
    const QString longest =
        QCoreApplication::translate("cv::TimerSheetDialog", "Sending Timer %1 of %2").arg(10).arg(10);
    text->setMinimumWidth(fontMetrics().horizontalAdvance(longest) * 3 / 2);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(this);
    cancelButton = buttons->addButton(tr("Cancel Sending"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelSend"));
    connect(buttons, &QDialogButtonBox::rejected, this, &SendProgressDialog::reject);
    layout->addWidget(buttons);
}

void SendProgressDialog::ShowProgress(const QString& progress) {
    if (text->text() == progress) return;
    text->setText(progress);
    // Read with the button when it gets the focus, and said as it changes.
    cancelButton->setAccessibleDescription(progress);
    if (isVisible()) Announce(*this, progress);
}

void SendProgressDialog::reject() { cancel(); }

}  // namespace cv
