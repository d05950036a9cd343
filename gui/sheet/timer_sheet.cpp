#include "gui/sheet/timer_sheet.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "core/device/serial_link.h"
#include "gui/latin1_text.h"
#include "gui/sheet/status_line.h"

namespace cv {

TimerSheetDialog::TimerSheetDialog(Prompts& prompts, std::string settingsPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settingsPath(std::move(settingsPath)),
      promptsRef(prompts),
      link(&TheSerialLink()) {
    setObjectName(QStringLiteral("timerSheet"));
    setAcceptDrops(true);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenu(outer);
    editArea = new QWidget(this);
    auto* blocks = new QVBoxLayout(editArea);
    blocks->setContentsMargins(0, 0, 0, 0);
    blocks->addWidget(BuildBlock(0));
    blocks->addSpacing(fontMetrics().height());
    blocks->addWidget(BuildBlock(5));
    blocks->addSpacing(fontMetrics().height() / 2);

    // Out of the tab order, as on the printed sheet's template; Alt+S and
    // File > Send Timers (Ctrl+Enter) reach it from the keyboard.
    sendButton = new QPushButton(tr("&Send Timers"), editArea);
    sendButton->setObjectName(QStringLiteral("sendTimers"));
    sendButton->setAutoDefault(false);
    sendButton->setFocusPolicy(Qt::ClickFocus);
    connect(sendButton, &QPushButton::clicked, this, &TimerSheetDialog::OnSendTimers);
    blocks->addWidget(sendButton, 0, Qt::AlignHCenter);
    outer->addWidget(editArea);

    // The status bar shows port tips, field readings and a send's progress.
    statusBar = new StatusLine(this);
    outer->addWidget(statusBar);

    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) {
            QLineEdit* edit = Field(t, f);
            edit->setMaxLength(FieldTypingLimit(f));
            edit->setText(FromLatin1(DefaultColumnTexts(t)[f]));
        }
    }
    WatchFields();
    KeepRoomForReadings();
    RememberFieldsAsSaved();
    UpdateTitle();
    SetTabOrder();
    Field(0, TimerField::StartTime)->setFocus();
    LoadPortSetting();
    RefreshRecentFiles();
}

void TimerSheetDialog::SetTabOrder() {
    // Column by column; within a column the start time comes first, as on the
    // printed sheet supervisors fill in.
    static constexpr TimerField kOrder[] = {TimerField::StartTime, TimerField::Name, TimerField::RepeatInterval,
                                            TimerField::SnoozeTime, TimerField::Priority};
    QWidget* previous = nullptr;
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kOrder) {
            QLineEdit* edit = Field(t, f);
            if (previous) setTabOrder(previous, edit);
            previous = edit;
        }
    }
}

QLineEdit* TimerSheetDialog::Field(int timerIndex, TimerField field) const {
    return fields.at(timerIndex).at(static_cast<std::size_t>(field));
}

ColumnTexts TimerSheetDialog::ColumnOnSheet(int timerIndex) const {
    ColumnTexts texts;
    for (TimerField f : kTimerFields) texts[f] = ToLatin1(Field(timerIndex, f)->text());
    return texts;
}

TimerRecords TimerSheetDialog::TimersOnSheet() const {
    TimerRecords timers;
    for (int t = 0; t < kTimerCount; ++t) timers[t] = RecordFromTexts(ColumnOnSheet(t));
    return timers;
}

std::array<std::string, kTimerCount> TimerSheetDialog::NamesOnSheet() const {
    std::array<std::string, kTimerCount> names;
    for (int t = 0; t < kTimerCount; ++t) names[static_cast<std::size_t>(t)] = Field(t, TimerField::Name)->text().toStdString();
    return names;
}

void TimerSheetDialog::ReadTimerFromSheet(int timerIndex) {
    if (timerIndex < 0 || timerIndex >= kTimerCount) return;
    records[timerIndex] = RecordFromTexts(ColumnOnSheet(timerIndex));
}

void TimerSheetDialog::ShowColumn(int timerIndex, const ColumnTexts& texts) {
    for (TimerField f : kTimerFields) {
        QLineEdit* edit = Field(timerIndex, f);
        // What the program shows is never cut to the typing limit.
        edit->setMaxLength(std::max<int>(FieldTypingLimit(f), static_cast<int>(texts[f].size())));
        edit->setText(FromLatin1(texts[f]));
    }
}

void TimerSheetDialog::ShowTimersOnSheet() {
    for (int t = 0; t < kTimerCount; ++t) ShowColumn(t, TextsFromRecord(records[t]));
}

void TimerSheetDialog::ShowNames(const std::array<std::string, kTimerCount>& names) {
    for (int t = 0; t < kTimerCount; ++t) {
        QLineEdit* edit = Field(t, TimerField::Name);
        const QString name = QString::fromStdString(names[static_cast<std::size_t>(t)]);
        if (edit->text() == name) continue;
        edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(name.size())));
        edit->setText(name);
    }
}

void TimerSheetDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape in a field would close the window and throw away every
    // unsaved edit; the window closes only through File > Exit or its close box.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool TimerSheetDialog::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // A palette changed to dark or to High Contrast gets marks chosen for it.
    if (event->type() == QEvent::PaletteChange && statusBar) RefreshMarks();
    return QDialog::event(event);
}

void TimerSheetDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!watchingScreen && windowHandle()) {
        watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { FitToScreen(); });
    }
    FitToScreen();
}

void TimerSheetDialog::FitToScreen() {
    if (const QScreen* shownOn = screen()) FitToScreen(shownOn->availableGeometry());
}

void TimerSheetDialog::FitToScreen(const QRect& available) {
    // The frame the window manager adds, or an estimate while it is not known.
    QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty()) {
        const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        frame = QSize(2 * edge, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * edge);
    }
    const QSize room = available.size() - frame;
    if (!scroller) {
        const QSize natural = layout()->totalSizeHint();
        if (natural.width() <= room.width() && natural.height() <= room.height()) return;
        // Made only now: most screens hold the whole sheet, and a start that
        // needs no scrolling pays nothing for it.
        naturalSize = natural;
        scroller = new QScrollArea(this);
        scroller->setObjectName(QStringLiteral("sheetScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        // The fields take the focus, not the area they scroll in.
        scroller->setFocusPolicy(Qt::NoFocus);
        scroller->setWidgetResizable(true);
        delete layout()->replaceWidget(editArea, scroller);
        scroller->setWidget(editArea);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    }
    setFixedSize(naturalSize.boundedTo(room));
    KeepRoomForReadings();
    // Back within the screen, title bar first, should the window stand out of it.
    const QRect placed = frameGeometry();
    if (!available.contains(placed)) {
        const int right = std::max(available.left(), available.right() - placed.width() + 1);
        const int bottom = std::max(available.top(), available.bottom() - placed.height() + 1);
        move(std::clamp(placed.left(), available.left(), right), std::clamp(placed.top(), available.top(), bottom));
    }
}

}  // namespace cv
