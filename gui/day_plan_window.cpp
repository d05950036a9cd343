#include "gui/day_plan_window.h"

#include <QFontDatabase>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/timers/clock_text.h"
#include "gui/day_plan_picture.h"
#include "gui/latin1_text.h"
#include "gui/window_placement.h"

namespace cv {

// The picture on screen, with a tip naming the tick under the pointer.
class DayPlanView : public QWidget {
public:
    explicit DayPlanView(QWidget* parent) : QWidget(parent) {
        setMinimumSize(480, static_cast<int>(DayPlanPicture::PreferredHeight(font())));
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
        picture.Paint(painter, rect());
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

DayPlanWindow::DayPlanWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Day Plan"));
    setObjectName(QStringLiteral("dayPlan"));
    auto* layout = new QVBoxLayout(this);
    view = new DayPlanView(this);
    layout->addWidget(view, 1);
    auto* reading = new QLabel(QString::fromLatin1(kDayPlanReading), this);
    reading->setObjectName(QStringLiteral("planReading"));
    layout->addWidget(reading);
    summary = new QLabel(this);
    layout->addWidget(summary);
    list = new QPlainTextEdit(this);
    list->setReadOnly(true);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 6);
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(list);
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
        lines << QStringLiteral("Outside the day: %1 starts %2 after midnight")
                     .arg(picture.Names()[t], FromLatin1(FormatDuration(timers[static_cast<std::size_t>(t)].startTime)));
    }
    summary->setText(plan.clashes.empty()
                         ? QStringLiteral("%1 reminders; no two timers remind at the same minute.").arg(plan.reminders.size())
                         : QStringLiteral("%1 reminders. Red marks the %2 minutes at which two or more timers "
                                          "remind together:")
                               .arg(plan.reminders.size())
                               .arg(plan.clashes.size()));
    // Typing elsewhere must not scroll the list back to its top.
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != list->toPlainText()) {
        const int scrolled = list->verticalScrollBar()->value();
        list->setPlainText(text);
        list->verticalScrollBar()->setValue(scrolled);
    }
    view->SetPicture(std::move(picture));
}

void DayPlanWindow::ShowBeside(const QWidget& beside) { ShowWindowBeside(*this, beside); }

QString DayPlanWindow::ListedText() const { return list->toPlainText(); }

QWidget* DayPlanWindow::Picture() const { return view; }

QString DayPlanWindow::TipAt(const QPoint& point) const { return view->TipAt(point); }

}  // namespace cv
