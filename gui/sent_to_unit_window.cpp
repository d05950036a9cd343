#include "gui/sent_to_unit_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/latin1_text.h"
#include "gui/window_placement.h"

namespace cv {

namespace {

constexpr int kSentColumn = kFieldsPerTimer;
constexpr int kSendsShown = 20;
constexpr int kMatchRole = Qt::UserRole;


QTableWidget* MakeTable(QWidget* parent, const QStringList& columns) {
    auto* table = new QTableWidget(parent);
    table->setColumnCount(static_cast<int>(columns.size()));
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
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

SentToUnitWindow::SentToUnitWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Sent to Unit"));
    setObjectName(QStringLiteral("sentToUnit"));
    auto* layout = new QVBoxLayout(this);
    heading = new QLabel(this);
    layout->addWidget(heading);

    QStringList columns;
    for (TimerField field : kTimerFields) columns << QString::fromLatin1(FieldLabel(field));
    columns << QStringLiteral("Sent");
    held = MakeTable(this, columns);
    held->setRowCount(kTimerCount);
    for (int row = 0; row < kTimerCount; ++row) {
        held->setVerticalHeaderItem(row, new QTableWidgetItem(QStringLiteral("Timer %1").arg(row + 1)));
        for (int column = 0; column <= kSentColumn; ++column) held->setItem(row, column, new QTableWidgetItem);
    }
    FitRows(held, kTimerCount);
    layout->addWidget(held);

    legend = new QLabel(QStringLiteral("Red: the sheet differs from what the unit holds (hover to see the sheet's "
                                       "value). \"not known\": the message went out but the unit did not "
                                       "acknowledge it, so it may or may not have taken it, or no send recorded "
                                       "here reached it."),
                        this);
    legend->setWordWrap(true);
    layout->addWidget(legend);
    recordNote = new QLabel(this);
    recordNote->setObjectName(QStringLiteral("recordNote"));
    recordNote->setWordWrap(true);
    recordNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(recordNote);

    layout->addWidget(new QLabel(QStringLiteral("Recent sends to this unit, newest first:"), this));
    sends = MakeTable(this, {QStringLiteral("When"), QStringLiteral("User"), QStringLiteral("File"),
                             QStringLiteral("Outcome")});
    sends->verticalHeader()->hide();
    FitRows(sends, 5);
    layout->addWidget(sends, 1);
}

void SentToUnitWindow::ShowUnit(const std::string& logPath, int portNumber, const std::string& reaches) {
    const SendLogRead read = ReadSendLog(logPath);
    const UnitChoice unit{portNumber, ""};
    holdings = DeriveUnitHoldings(read.content.entries, unit);
    const QString where = reaches.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(reaches));
    heading->setText(QStringLiteral("What the unit on Port %1%2 holds, as far as %3 recorded send%4 to it tell:")
                         .arg(portNumber)
                         .arg(where)
                         .arg(holdings.sends)
                         .arg(holdings.sends == 1 ? "" : "s"));
    QString note = read.ok ? QStringLiteral("The record knows only the sends made from this folder: %1")
                                 .arg(QString::fromStdString(logPath))
                           : QString::fromStdString(read.problem);
    if (read.content.damaged > 0)
        note += QStringLiteral(" %1 of its entries, cut short or damaged, were left out.").arg(read.content.damaged);
    recordNote->setText(note);
    ShowSends(read.content, unit);
    ShowHoldings();
}

void SentToUnitWindow::CompareWith(const TimerRecords& sheet) {
    sheetTimers = sheet;
    ShowHoldings();
}

void SentToUnitWindow::ShowHoldings() {
    for (int row = 0; row < kTimerCount; ++row) {
        const HeldTimer& timer = holdings.timers[static_cast<std::size_t>(row)];
        const TimerRecord& onSheet = sheetTimers[static_cast<std::size_t>(row)];
        const auto marks = CompareWithSheet(timer, onSheet);
        const ColumnTexts sheetTexts = TextsFromRecord(onSheet);
        for (int column = 0; column < kFieldsPerTimer; ++column) {
            const TimerField field = kTimerFields[static_cast<std::size_t>(column)];
            QTableWidgetItem* item = held->item(row, column);
            const FieldMatch mark = marks[static_cast<std::size_t>(column)];
            item->setText(FromLatin1(HeldFieldText(timer, field)));
            item->setData(kMatchRole, static_cast<int>(mark));
            QFont font = item->font();
            font.setItalic(mark == FieldMatch::NotKnown);
            item->setFont(font);
            item->setForeground(mark == FieldMatch::NotKnown ? palette().color(QPalette::PlaceholderText)
                                                              : palette().color(QPalette::Text));
            item->setBackground(mark == FieldMatch::Differs ? QBrush(QColor(255, 205, 205)) : QBrush());
            item->setToolTip(mark == FieldMatch::Differs
                                 ? QStringLiteral("The sheet has: %1").arg(FromLatin1(sheetTexts[field]))
                                 : QString());
        }
        QTableWidgetItem* sent = held->item(row, kSentColumn);
        sent->setText(QString::fromStdString(DescribeWhenSent(timer)));
        sent->setToolTip(sent->text());
    }
    held->resizeColumnsToContents();
}

void SentToUnitWindow::ShowSends(const SendLogContent& record, const UnitChoice& unit) {
    sends->setRowCount(0);
    for (auto entry = record.entries.rbegin(); entry != record.entries.rend() && sends->rowCount() < kSendsShown;
         ++entry) {
        if (!SendReached(*entry, unit)) continue;
        const int row = sends->rowCount();
        sends->insertRow(row);
        const std::string cells[] = {entry->when, entry->user, DescribeSource(entry->source), entry->outcome};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            item->setToolTip(column == 2 ? QString::fromStdString(entry->source.filePath) : item->text());
            sends->setItem(row, column, item);
        }
    }
    sends->resizeColumnsToContents();
}

void SentToUnitWindow::ShowBeside(const QWidget& beside) { ShowWindowBeside(*this, beside); }

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
    return held->item(timerIndex, static_cast<int>(field))->text();
}

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
