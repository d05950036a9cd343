// Building the sheet's widgets: the menu bar (with its list of recent files)
// and the two blocks of five framed columns. Sizes come from the font, so the
// sheet scales with it.

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/settings/recent_files.h"
#include "gui/sheet/day_part_line.h"
#include "gui/sheet/sheet_field.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

void TimerSheetDialog::BuildMenu(QVBoxLayout* outer) {
    // Every menu and item has a letter to reach it by (Alt with the letter on
    // the menu bar, the letter in an open menu), unique within its menu; with
    // the button's Alt+S the window's Alt letters are F, C, V, H and S.
    menuBar = new QMenuBar(this);
    QMenuBar* bar = menuBar;
    outer->setMenuBar(bar);

    QMenu* file = bar->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save"), this, &TimerSheetDialog::saveRequested);
    save->setShortcut(QKeySequence::Save);
    file->addSeparator();
    QAction* load = file->addAction(tr("&Load"), this, &TimerSheetDialog::loadRequested);
    load->setShortcut(QKeySequence::Open);
    recentMenu = file->addMenu(tr("&Recent Files"));
    connect(file, &QMenu::aboutToShow, this, &TimerSheetDialog::RefreshRecentFiles);
    file->addSeparator();
    // Ctrl+Enter sends, as it sends a message in mail programs; the number
    // pad's Enter is listed first so that menus name the key as it is labelled.
    sendAction = file->addAction(tr("Send &Timers"), this, &TimerSheetDialog::OnSendTimers);
    sendAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return)});
    file->addSeparator();
    QAction* print = file->addAction(tr("&Print..."), this, &TimerSheetDialog::printRequested);
    print->setShortcut(QKeySequence::Print);
    file->addAction(tr("Export P&DF..."), this, &TimerSheetDialog::exportPdfRequested);
    file->addAction(tr("Print Re&cord..."), this, &TimerSheetDialog::printRecordRequested);
    file->addSeparator();
    file->addAction(tr("Day P&arts..."), this, &TimerSheetDialog::dayPartsRequested);
    file->addSeparator();
    file->addAction(tr("&Exit"), this, &QDialog::close);

    commPortMenu = bar->addMenu(tr("&Comm Port"));
    commPortMenu->setToolTipsVisible(true);
    // Adapters come and go while the program runs.
    connect(commPortMenu, &QMenu::aboutToShow, this, &TimerSheetDialog::RefreshPortMenu);
    portGroup = new QActionGroup(this);
    portGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int n = 1; n <= kPortMenuCount; ++n) portActions[n - 1] = AddPortAction(n);

    QMenu* view = bar->addMenu(tr("&View"));
    view->addAction(tr("&Day Plan"), this, &TimerSheetDialog::dayPlanRequested);
    view->addAction(tr("&Sent to Unit"), this, &TimerSheetDialog::sentToUnitRequested);

    QMenu* help = bar->addMenu(tr("&Help"));
    QAction* guide = help->addAction(tr("&User Guide"), this, &TimerSheetDialog::userGuideRequested);
    guide->setShortcut(QKeySequence::HelpContents);
    // From the day plan and Sent to Unit too, not only from the sheet.
    guide->setShortcutContext(Qt::ApplicationShortcut);
    help->addSeparator();
    help->addAction(tr("&About"), this, &TimerSheetDialog::aboutRequested);
}

void TimerSheetDialog::RefreshRecentFiles() {
    recentMenu->clear();
    int number = 0;
    for (const std::string& stored : ReadRecentFiles(settingsPath)) {
        const QString path = QString::fromStdString(stored);
        QString label = path;
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        ++number;
        QAction* item = recentMenu->addAction(QStringLiteral("&%1 %2").arg(number).arg(label));
        connect(item, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
    recentMenu->setEnabled(number > 0);
}

QWidget* TimerSheetDialog::BuildBlock(int firstTimer) {
    // Grid rows: caption, padding, five fields, padding. Per timer four grid
    // columns: padding, field, padding, gap. Each column's frame spans its
    // padding so it sits around the fields, and the row labels share the
    // fields' rows, so labels and fields line up whatever the font.
    enum { kCaptionRow = 0, kTopPadRow = 1, kFirstFieldRow = 2, kBottomPadRow = kFirstFieldRow + kFieldsPerTimer };
    const int pad = fontMetrics().averageCharWidth();
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("Holding Time Check")) + 3 * pad;

    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(pad / 2 + 2);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setRowMinimumHeight(kTopPadRow, pad / 2);
    grid->setRowMinimumHeight(kBottomPadRow, pad / 2);

    // Each text looked up once for the block's twenty-five fields.
    const QString fieldName = tr("Timer %1 %2", "a field's name for a screen reader: timer number, field");
    QString labels[kFieldsPerTimer];
    for (int row = 0; row < kFieldsPerTimer; ++row) labels[row] = QString::fromStdString(FieldLabel(kTimerFields[row]));

    for (int row = 0; row < kFieldsPerTimer; ++row) {
        auto* label = new QLabel(labels[row], block);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, kFirstFieldRow + row, 0);
    }
    grid->setColumnMinimumWidth(1, 2 * pad);

    for (int k = 0; k < 5; ++k) {
        const int timer = firstTimer + k;
        const int left = 2 + 4 * k;
        const QString timerName = tr("Timer %1").arg(timer + 1);

        auto* caption = new QLabel(timerName, block);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, kCaptionRow, left, 1, 3);

        auto* frame = new QFrame(block);
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        grid->addWidget(frame, kTopPadRow, left, kBottomPadRow - kTopPadRow + 1, 3);
        grid->setColumnMinimumWidth(left, pad);
        grid->setColumnMinimumWidth(left + 2, pad);
        if (k < 4) grid->setColumnMinimumWidth(left + 3, pad);

        for (int row = 0; row < kFieldsPerTimer; ++row) {
            const TimerField field = kTimerFields[row];
            auto* edit = new SheetField(block);
            edit->setObjectName(QStringLiteral("field%1").arg(FieldId(timer, field)));
            edit->setAccessibleName(fieldName.arg(QString::number(timer + 1), labels[row]));
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(fieldWidth);
            // A text the program placed may be longer than the typing limit;
            // once the user shortens it, the limit holds again. Setting a limit
            // puts the whole text back (a screen reader hears it all again and
            // the undo history goes), so only when it changes.
            const int limit = FieldTypingLimit(field);
            connect(edit, &QLineEdit::textEdited, edit, [edit, limit](const QString& text) {
                if (text.size() <= limit && edit->maxLength() != limit) edit->setMaxLength(limit);
            });
            grid->addWidget(edit, kFirstFieldRow + row, left + 1);
            fields[timer][row] = edit;
        }
    }
    return block;
}

void TimerSheetDialog::ShowStartNotice(const QString& text) {
    auto* outer = static_cast<QVBoxLayout*>(layout());
    // Wrapped at the sheet's width: a wrapping label would otherwise pull the
    // fixed-size sheet narrower.
    const QMargins margins = outer->contentsMargins();
    const int width = outer->sizeHint().width() - margins.left() - margins.right();
    auto* notice = new QLabel(text, this);
    notice->setObjectName(QStringLiteral("startNotice"));
    // It may quote the settings file, where "<b>" is no markup of ours.
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setMinimumWidth(width);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->insertWidget(outer->indexOf(statusBar), notice);
}

DayPartLine* TimerSheetDialog::ShowDayPartLine() {
    if (dayPartLine) return dayPartLine;
    auto* outer = static_cast<QVBoxLayout*>(layout());
    const QMargins margins = outer->contentsMargins();
    dayPartLine = new DayPartLine(this);
    // As wide as the sheet, wrapping within it, like the start notice.
    dayPartLine->setMinimumWidth(outer->sizeHint().width() - margins.left() - margins.right());
    outer->insertWidget(outer->indexOf(statusBar), dayPartLine);
    return dayPartLine;
}

}  // namespace cv
