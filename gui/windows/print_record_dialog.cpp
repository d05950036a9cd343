#include "gui/windows/print_record_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cv {

PrintRecordDialog::PrintRecordDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Print Record"));
    setObjectName(QStringLiteral("printRecord"));
    auto* layout = new QVBoxLayout(this);
    intro = new QLabel(this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* days = new QFormLayout;
    const QDate today = QDate::currentDate();
    from = new QDateEdit(today, this);
    to = new QDateEdit(today, this);
    for (QDateEdit* edit : {from, to}) edit->setCalendarPopup(true);
    days->addRow(tr("&From:"), from);
    days->addRow(tr("&To:"), to);
    layout->addLayout(days);
    // A range never runs backwards: each end follows the other past it.
    connect(from, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (to->date() < date) to->setDate(date);
    });
    connect(to, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (from->date() > date) from->setDate(date);
    });

    auto* buttons = new QDialogButtonBox(this);
    printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    exportButton = buttons->addButton(tr("&Export PDF..."), QDialogButtonBox::ActionRole);
    textButton = buttons->addButton(tr("Show as Te&xt"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    printButton->setDefault(true);
    connect(printButton, &QPushButton::clicked, this, &PrintRecordDialog::printRequested);
    connect(exportButton, &QPushButton::clicked, this, &PrintRecordDialog::exportPdfRequested);
    connect(textButton, &QPushButton::clicked, this, &PrintRecordDialog::textRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowPort(1);
}

void PrintRecordDialog::ShowPort(int portNumber) {
    intro->setText(tr("What the unit on Port %1 held, day by day, as the record of sends tells it, for the days:")
                       .arg(portNumber));
}

QDate PrintRecordDialog::From() const { return from->date(); }

QDate PrintRecordDialog::To() const { return to->date(); }

void PrintRecordDialog::SetDays(const QDate& first, const QDate& last) {
    from->setDate(first);
    to->setDate(last);
}

}  // namespace cv
