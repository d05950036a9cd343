#include "gui/windows/sent_to_unit_window.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/access/palette_colours.h"
#include "gui/latin1_text.h"

namespace cv {

namespace {

constexpr int kSentColumn = kFieldsPerTimer;
constexpr int kSendsShown = 20;
constexpr int kMatchRole = Qt::UserRole;
// Put before a value the sheet differs from, so the mark does not rest on the tint alone.
const QString kDiffersMark = QStringLiteral("\u2260 ");


// A table read cell by cell: the arrow keys move through it, Tab leaves it.
QTableWidget* MakeTable(QWidget* parent, const QStringList& columns) {
    auto* table = new QTableWidget(parent);
    table->setColumnCount(static_cast<int>(columns.size()));
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return table;
}

// Tall enough for `rows` rows, so the window opens showing them whole.
void FitRows(QTableWidget* table, int rows) {
    const int height = table->horizontalHeader()->sizeHint().height() + rows * table->verticalHeader()->defaultSectionSize() +
                       2 * table->frameWidth();
    table->setMinimumHeight(height);
}

}  // namespace

SentToUnitWindow::SentToUnitWindow(QWidget* parent)
    : SecondaryWindow(tr("Sent to Unit"), QStringLiteral("sentToUnit"), parent) {
    auto* layout = new QVBoxLayout(this);
    heading = new QLabel(this);
    layout->addWidget(heading);

    QStringList columns;
    for (TimerField field : kTimerFields) columns << QString::fromStdString(FieldLabel(field));
    columns << tr("Sent");
    held = MakeTable(this, columns);
    held->setRowCount(kTimerCount);
    for (int row = 0; row < kTimerCount; ++row) {
        held->setVerticalHeaderItem(row, new QTableWidgetItem(tr("Timer %1").arg(row + 1)));
        for (int column = 0; column <= kSentColumn; ++column) held->setItem(row, column, new QTableWidgetItem);
    }
    FitRows(held, kTimerCount);
    held->setAccessibleName(tr("What the unit holds"));
    heading->setBuddy(held);
    connect(held, &QTableWidget::currentCellChanged, this, &SentToUnitWindow::ShowCellDetail);
    layout->addWidget(held);
    detail = new QLabel(this);
    detail->setObjectName(QStringLiteral("cellDetail"));
    detail->setWordWrap(true);
    layout->addWidget(detail);

    legend = new QLabel(tr("\u2260 on a red ground: the sheet differs from what the unit holds; the line under the "
                           "table gives the sheet's value for the cell in focus. \"not known\": the message went "
                           "out but the unit did not acknowledge it, so it may or may not have taken it, or no send "
                           "recorded here reached it."),
                        this);
    legend->setWordWrap(true);
    layout->addWidget(legend);
    recordNote = new QLabel(this);
    recordNote->setObjectName(QStringLiteral("recordNote"));
    recordNote->setWordWrap(true);
    recordNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(recordNote);

    auto* sendsLabel = new QLabel(tr("Recent sends to this unit, newest first:"), this);
    layout->addWidget(sendsLabel);
    sends = MakeTable(this, {tr("When"), tr("User"), tr("File"), tr("How"), tr("Outcome")});
    sends->verticalHeader()->hide();
    sends->setAccessibleName(tr("Recent sends"));
    sendsLabel->setBuddy(sends);
    FitRows(sends, 5);
    layout->addWidget(sends, 1);
}

void SentToUnitWindow::ShowUnit(const std::string& logPath, int portNumber, const std::string& reaches) {
    const SendLogRead read = ReadSendLog(logPath);
    const UnitChoice unit{portNumber, ""};
    holdings = DeriveUnitHoldings(read.content.entries, unit);
    heading->setText(
        reaches.empty()
            ? tr("What the unit on Port %1 holds, as far as %n recorded sends to it tell:", nullptr, holdings.sends)
                  .arg(portNumber)
            : tr("What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:", nullptr,
                 holdings.sends)
                  .arg(portNumber)
                  .arg(QString::fromStdString(reaches)));
    QString note = read.ok ? tr("The record knows only the sends made from this folder: %1")
                                 .arg(QString::fromStdString(logPath))
                           : QString::fromStdString(read.problem);
    if (read.content.damaged > 0)
        note = QStringLiteral("%1 %2").arg(
            note, tr("%n of its entries, cut short or damaged, were left out.", nullptr, read.content.damaged));
    recordNote->setText(note);
    ShowSends(read.content, unit);
    ShowHoldings();
}

void SentToUnitWindow::CompareWith(const TimerRecords& sheet) {
    sheetTimers = sheet;
    ShowHoldings();
}

void SentToUnitWindow::ShowHoldings() {
    const MarkColours colours = MarkColoursFor(palette());
    for (int row = 0; row < kTimerCount; ++row) {
        const HeldTimer& timer = holdings.timers[static_cast<std::size_t>(row)];
        const TimerRecord& onSheet = sheetTimers[static_cast<std::size_t>(row)];
        const auto marks = CompareWithSheet(timer, onSheet);
        const ColumnTexts sheetTexts = TextsFromRecord(onSheet);
        for (int column = 0; column < kFieldsPerTimer; ++column) {
            const TimerField field = kTimerFields[static_cast<std::size_t>(column)];
            QTableWidgetItem* item = held->item(row, column);
            const FieldMatch mark = marks[static_cast<std::size_t>(column)];
            const QString value = FromLatin1(HeldFieldText(timer, field));
            const bool differs = mark == FieldMatch::Differs;
            item->setText(differs ? kDiffersMark + value : value);
            // A screen reader hears the value, and the difference as its description.
            item->setData(Qt::AccessibleTextRole, value);
            item->setData(Qt::AccessibleDescriptionRole,
                          differs ? tr("Differs from the sheet, which has %1.").arg(FromLatin1(sheetTexts[field]))
                                  : QString());
            item->setData(kMatchRole, static_cast<int>(mark));
            QFont font = item->font();
            font.setItalic(mark == FieldMatch::NotKnown);
            item->setFont(font);
            item->setForeground(mark == FieldMatch::NotKnown ? colours.notKnown : palette().color(QPalette::Text));
            item->setBackground(differs ? QBrush(colours.differsGround) : QBrush());
            item->setToolTip(differs ? tr("The sheet has: %1").arg(FromLatin1(sheetTexts[field])) : QString());
        }
        QTableWidgetItem* sent = held->item(row, kSentColumn);
        sent->setText(QString::fromStdString(DescribeWhenSent(timer)));
        sent->setToolTip(sent->text());
    }
    held->resizeColumnsToContents();
    ShowCellDetail();
}

void SentToUnitWindow::ShowCellDetail() {
    const int row = held->currentRow();
    const int column = held->currentColumn();
    if (row < 0 || column < 0) {
        detail->clear();
        return;
    }
    const QTableWidgetItem* item = held->item(row, column);
    const QString where = tr("Timer %1, %2").arg(row + 1).arg(held->horizontalHeaderItem(column)->text());
    if (column == kSentColumn) {
        detail->setText(tr("%1: %2.").arg(where, item->text()));
        return;
    }
    const QString value = item->data(Qt::AccessibleTextRole).toString();
    switch (static_cast<FieldMatch>(item->data(kMatchRole).toInt())) {
        case FieldMatch::Differs:
            detail->setText(tr("%1: the unit holds %2; the sheet has %3.")
                                .arg(where, value, FromLatin1(TextsFromRecord(sheetTimers[static_cast<std::size_t>(row)])
                                                                  [kTimerFields[static_cast<std::size_t>(column)]])));
            break;
        case FieldMatch::NotKnown:
            detail->setText(tr("%1: what the unit holds is not known.").arg(where));
            break;
        default:
            detail->setText(tr("%1: the unit holds %2, as the sheet does.").arg(where, value));
            break;
    }
}

bool SentToUnitWindow::event(QEvent* event) {
    // A palette changed to dark or to High Contrast gets marks chosen for it.
    if (event->type() == QEvent::PaletteChange && detail) ShowHoldings();
    return SecondaryWindow::event(event);
}

void SentToUnitWindow::ShowSends(const SendLogContent& record, const UnitChoice& unit) {
    sends->setRowCount(0);
    for (auto entry = record.entries.rbegin(); entry != record.entries.rend() && sends->rowCount() < kSendsShown;
         ++entry) {
        if (!SendReached(*entry, unit)) continue;
        const int row = sends->rowCount();
        sends->insertRow(row);
        const std::string cells[] = {entry->when, entry->user, DescribeSource(entry->source), DescribeOrigin(entry->origin),
                                     DescribeRecordedOutcome(entry->outcome)};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            item->setToolTip(column == 2 ? QString::fromStdString(entry->source.filePath) : item->text());
            sends->setItem(row, column, item);
        }
    }
    sends->resizeColumnsToContents();
}

QSize SentToUnitWindow::sizeHint() const {
    int width = held->verticalHeader()->sizeHint().width() + 2 * held->frameWidth();
    // What the columns need, not what they have: the last one stretches to the window.
    for (int column = 0; column < held->columnCount(); ++column)
        width += std::max(static_cast<const QAbstractItemView*>(held)->sizeHintForColumn(column),
                          held->horizontalHeader()->sectionSizeHint(column));
    const QMargins margins = layout()->contentsMargins();
    width += margins.left() + margins.right() + held->verticalScrollBar()->sizeHint().width();
    // The notes wrap, so their height follows from the width.
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                      : layout()->minimumSize().height();
    return {width, std::max(height, layout()->minimumSize().height())};
}

QString SentToUnitWindow::HeldText(int timerIndex, TimerField field) const {
    return held->item(timerIndex, static_cast<int>(field))->data(Qt::AccessibleTextRole).toString();
}

QString SentToUnitWindow::CellDetail() const { return detail->text(); }

FieldMatch SentToUnitWindow::MarkAt(int timerIndex, TimerField field) const {
    return static_cast<FieldMatch>(held->item(timerIndex, static_cast<int>(field))->data(kMatchRole).toInt());
}

QString SentToUnitWindow::SentText(int timerIndex) const { return held->item(timerIndex, kSentColumn)->text(); }

QStringList SentToUnitWindow::SendsListed() const {
    QStringList lines;
    for (int row = 0; row < sends->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < sends->columnCount(); ++column) cells << sends->item(row, column)->text();
        lines << cells.join(QStringLiteral("  "));
    }
    return lines;
}

QString SentToUnitWindow::Heading() const { return heading->text(); }

QString SentToUnitWindow::RecordNote() const { return recordNote->text(); }

}  // namespace cv
