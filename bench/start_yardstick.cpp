// The yardstick for CV Timer's start-up: a plain Qt Widgets dialog with the
// timer sheet's widgets, default texts and size, and nothing else: no
// settings file, no icon, no port list, no printing. It prints its size
// ("size: 908x451") and, with CVTIMER_EXIT_WHEN_SHOWN set, ends at its first
// paint through the same probe as cvtimer.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdio>

#include "core/timers/timer_table.h"
#include "gui/shown_probe.h"

namespace {

void AddMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"))->setShortcut(QKeySequence::Save);
    file->addSeparator();
    file->addAction(QStringLiteral("&Load"))->setShortcut(QKeySequence::Open);
    file->addMenu(QStringLiteral("&Recent Files"))->setEnabled(false);
    file->addSeparator();
    file->addAction(QStringLiteral("Send &Timers"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return)});
    file->addSeparator();
    file->addAction(QStringLiteral("&Print..."))->setShortcut(QKeySequence::Print);
    file->addAction(QStringLiteral("Export P&DF..."));
    file->addSeparator();
    file->addAction(QStringLiteral("&Exit"));

    QMenu* ports = bar->addMenu(QStringLiteral("&Comm Port"));
    auto* group = new QActionGroup(ports);
    for (int n = 1; n <= 12; ++n) {
        QAction* port = ports->addAction(QStringLiteral("Port %1").arg(n));
        port->setCheckable(true);
        port->setChecked(n == 1);
        port->setActionGroup(group);
    }
    bar->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Day Plan"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* guide = help->addAction(QStringLiteral("&User Guide"));
    guide->setShortcut(QKeySequence::HelpContents);
    guide->setShortcutContext(Qt::ApplicationShortcut);
    help->addSeparator();
    help->addAction(QStringLiteral("&About"));
}

// Five timer columns in frames, with the row labels on the left.
QWidget* Block(QWidget* parent, int firstTimer) {
    const int pad = parent->fontMetrics().averageCharWidth();
    const int fieldWidth = parent->fontMetrics().horizontalAdvance(QStringLiteral("Holding Time Check")) + 3 * pad;
    auto* block = new QWidget(parent);
    auto* grid = new QGridLayout(block);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(pad / 2 + 2);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setRowMinimumHeight(1, pad / 2);
    grid->setRowMinimumHeight(2 + cv::kFieldsPerTimer, pad / 2);
    for (int row = 0; row < cv::kFieldsPerTimer; ++row) {
        auto* label = new QLabel(QString::fromStdString(cv::FieldLabel(cv::kTimerFields[row])), block);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, 2 + row, 0);
    }
    grid->setColumnMinimumWidth(1, 2 * pad);
    for (int k = 0; k < 5; ++k) {
        const int timer = firstTimer + k;
        const int left = 2 + 4 * k;
        auto* caption = new QLabel(QStringLiteral("Timer %1").arg(timer + 1), block);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, left, 1, 3);
        auto* frame = new QFrame(block);
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        grid->addWidget(frame, 1, left, cv::kFieldsPerTimer + 2, 3);
        grid->setColumnMinimumWidth(left, pad);
        grid->setColumnMinimumWidth(left + 2, pad);
        if (k < 4) grid->setColumnMinimumWidth(left + 3, pad);
        for (int row = 0; row < cv::kFieldsPerTimer; ++row) {
            const cv::TimerField field = cv::kTimerFields[row];
            auto* edit = new QLineEdit(QString::fromLatin1(cv::DefaultColumnTexts(timer)[field]), block);
            edit->setMaxLength(cv::FieldTypingLimit(field));
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(fieldWidth);
            grid->addWidget(edit, 2 + row, left + 1);
        }
    }
    return block;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    cv::ExitWhenShownIfAsked();

    QDialog sheet;
    sheet.setWindowTitle(QStringLiteral("Corvellan Timers"));
    auto* outer = new QVBoxLayout(&sheet);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(&sheet);
    AddMenus(bar);
    outer->setMenuBar(bar);
    auto* blocks = new QVBoxLayout;
    blocks->addWidget(Block(&sheet, 0));
    blocks->addSpacing(sheet.fontMetrics().height());
    blocks->addWidget(Block(&sheet, 5));
    blocks->addSpacing(sheet.fontMetrics().height() / 2);
    auto* send = new QPushButton(QStringLiteral("&Send Timers"), &sheet);
    send->setAutoDefault(false);
    blocks->addWidget(send, 0, Qt::AlignHCenter);
    outer->addLayout(blocks);

    auto* status = new QStatusBar(&sheet);
    status->setSizeGripEnabled(false);
    outer->addWidget(status);

    sheet.show();
    std::printf("size: %dx%d\n", sheet.width(), sheet.height());
    std::fflush(stdout);
    return sheet.exec();
}
