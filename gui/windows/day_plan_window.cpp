#include "gui/windows/day_plan_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "core/timers/clock_text.h"
#include "gui/access/accessibility.h"
#include "gui/access/palette_colours.h"
#include "gui/latin1_text.h"
#include "gui/windows/day_plan_picture.h"

namespace cv {

// The picture on screen, with a tip naming the tick under the pointer.
class DayPlanView : public QWidget {
public:
    explicit DayPlanView(QWidget* parent) : QWidget(parent) {
        // Rows a little tighter than preferred still hold their names: on a
        // short screen the picture gives way rather than the note under it.
        setMinimumSize(480, static_cast<int>(DayPlanPicture::PreferredHeight(font()) * 0.8));
    }

    void SetPicture(DayPlanPicture newPicture) {
        picture = std::move(newPicture);
        update();
    }
    const DayPlanPicture& Picture() const { return picture; }
    QString TipAt(const QPoint& point) const { return picture.TipAt(rect(), font(), point); }

    QSize sizeHint() const override {
        return {fontMetrics().averageCharWidth() * 150, static_cast<int>(DayPlanPicture::PreferredHeight(font()))};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.Paint(painter, rect(), MarkColoursFor(palette()));
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const QString tip = TipAt(help->pos());
            if (tip.isEmpty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                QToolTip::showText(help->globalPos(), tip, this);
            }
            return true;
        }
        return QWidget::event(event);
    }

private:
    DayPlanPicture picture;
};

DayPlanWindow::DayPlanWindow(QWidget* parent)
    : SecondaryWindow(tr("Day Plan"), QStringLiteral("dayPlan"), parent) {
    auto* layout = new QVBoxLayout(this);
    view = new DayPlanView(this);
    view->setObjectName(QStringLiteral("planPicture"));
    // A picture to a screen reader, named, its description the summary below.
    SetAccessibleRole(*view, QAccessible::Graphic);
    view->setAccessibleName(tr("Day plan picture"));
    layout->addWidget(view, 1);
    auto* reading = new QLabel(QString::fromStdString(DayPlanReading()), this);
    reading->setObjectName(QStringLiteral("planReading"));
    layout->addWidget(reading);

    auto* lists = new QHBoxLayout;
    auto* clashes = new QVBoxLayout;
    summary = new QLabel(this);
    summary->setWordWrap(true);
    clashes->addWidget(summary);
    list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("planClashes"));
    list->setReadOnly(true);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 6);
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    list->setAccessibleName(tr("Clashes"));
    summary->setBuddy(list);
    clashes->addWidget(list);
    lists->addLayout(clashes, 1);

    auto* byTime = new QVBoxLayout;
    auto* byTimeLabel = new QLabel(tr("&Reminders by time (several timers at once in bold):"), this);
    byTimeLabel->setWordWrap(true);
    byTime->addWidget(byTimeLabel);
    reminders = new QListWidget(this);
    reminders->setObjectName(QStringLiteral("planReminders"));
    reminders->setMinimumHeight(list->minimumHeight());
    reminders->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // A list takes no name from its label: without one Orca says only "List with 77 items".
    reminders->setAccessibleName(tr("Reminders by time"));
    byTimeLabel->setBuddy(reminders);
    byTime->addWidget(reminders);
    lists->addLayout(byTime, 1);
    layout->addLayout(lists);
    // The reminders by time say all the picture does: the focus starts there.
    setTabOrder(reminders, list);
    reminders->setFocus();
}

void DayPlanWindow::ShowPlan(const TimerRecords& timers) {
    DayPlanPicture picture(timers);
    const DayPlan& plan = picture.Plan();
    QStringList lines;
    for (const PlanMinute& clash : plan.clashes) {
        std::vector<std::string> names;
        for (int t : clash.timerIndexes) names.push_back(PlanName(timers, t));
        lines << FromLatin1(PlanLine(clash.minute, names));
    }
    for (int t : plan.outsideDay) {
        lines << tr("Outside the day: %1 starts %2 after midnight")
                     .arg(picture.Names()[t], FromLatin1(FormatDuration(timers[static_cast<std::size_t>(t)].startTime)));
    }
    const int count = static_cast<int>(plan.reminders.size());
    const int clashCount = static_cast<int>(plan.clashes.size());
    summary->setText(plan.clashes.empty()
                         ? tr("%n reminders; no two timers remind at the same minute.", nullptr, count)
                         : QStringLiteral("%1 %2").arg(
                               tr("%n reminders.", nullptr, count),
                               tr("Red, taller ticks mark the minutes at which two or more timers "
                                  "remind together (%n):", nullptr, clashCount)));
    view->setAccessibleDescription(summary->text());
    // Typing elsewhere must not scroll the lists back to their top.
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != list->toPlainText()) {
        const int scrolled = list->verticalScrollBar()->value();
        list->setPlainText(text);
        list->verticalScrollBar()->setValue(scrolled);
    }
    ShowReminders(timers, plan);
    view->SetPicture(std::move(picture));
}

void DayPlanWindow::ShowReminders(const TimerRecords& timers, const DayPlan& plan) {
    QStringList lines;
    std::vector<bool> several;
    for (const PlanMinute& minute : MinutesWithReminders(plan)) {
        std::vector<std::string> names;
        for (int t : minute.timerIndexes) names.push_back(PlanName(timers, t));
        lines << FromLatin1(PlanLine(minute.minute, names));
        several.push_back(names.size() > 1);
    }
    QStringList shown;
    for (int row = 0; row < reminders->count(); ++row) shown << reminders->item(row)->text();
    if (shown == lines) return;
    const int current = reminders->currentRow();
    reminders->clear();
    for (qsizetype row = 0; row < lines.size(); ++row) {
        auto* item = new QListWidgetItem(lines[row], reminders);
        if (several[static_cast<std::size_t>(row)]) {
            QFont bold = reminders->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    reminders->setCurrentRow(std::clamp(current, 0, static_cast<int>(reminders->count()) - 1));
}

QString DayPlanWindow::ListedText() const { return list->toPlainText(); }

QWidget* DayPlanWindow::Picture() const { return view; }

QString DayPlanWindow::TipAt(const QPoint& point) const { return view->TipAt(point); }

}  // namespace cv
