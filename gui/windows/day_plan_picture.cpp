#include "gui/windows/day_plan_picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/timers/clock_text.h"
#include "gui/latin1_text.h"
#include "gui/print/paper_text.h"

namespace cv {

namespace {

// "6 AM", "12 PM": an axis needs no minutes and no leading zero.
QString HourLabel(int hour) {
    QString label = FromLatin1(FormatClockTime(hour * 60)).remove(QStringLiteral(":00"));
    return label.startsWith(QLatin1Char('0')) ? label.mid(1) : label;
}

// The widest of the axis's labels, however the clock writes them.
qreal HourLabelWidth(const QFontMetricsF& metrics) {
    qreal widest = 0;
    for (int hour = 0; hour <= 24; ++hour) widest = std::max(widest, metrics.horizontalAdvance(HourLabel(hour)));
    return widest;
}

}  // namespace

struct DayPlanPicture::Geometry {
    QRectF labels;  // the name column
    QRectF chart;   // the 24 hours, rows only
    qreal axisTop = 0;
    qreal rowHeight = 0;
    int hourStep = 3;

    qreal XOf(int minute) const { return chart.left() + chart.width() * minute / kMinutesPerDay; }
    qreal RowTop(int row) const { return chart.top() + row * rowHeight; }
    int RowAt(qreal y) const {
        if (y < chart.top() || y >= chart.bottom()) return -1;
        return std::clamp(static_cast<int>((y - chart.top()) / rowHeight), 0, kTimerCount - 1);
    }
};

DayPlanPicture::DayPlanPicture(const TimerRecords& timers)
    : timers(timers), plan(PlanDay(timers)), clashAt(kMinutesPerDay, false) {
    for (int t = 0; t < kTimerCount; ++t) names << FromLatin1(PlanName(timers, t));
    for (const PlanMinute& clash : plan.clashes) clashAt[static_cast<std::size_t>(clash.minute)] = true;
}

qreal DayPlanPicture::PreferredHeight(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.height() * 1.8 + kTimerCount * metrics.height() * 1.6;
}

DayPlanPicture::Geometry DayPlanPicture::LayOut(const QRectF& area, const QFont& font) const {
    const QFontMetricsF metrics(font);
    const qreal pad = metrics.averageCharWidth();
    qreal nameWidth = 0;
    for (const QString& name : names) nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name));
    Geometry g;
    const qreal labelWidth = std::min(nameWidth + 2 * pad, area.width() * 0.3);
    const qreal hourWidth = HourLabelWidth(metrics);
    const qreal edge = hourWidth / 2 + pad;
    const qreal axisHeight = metrics.height() * 1.8;
    g.labels = QRectF(area.left(), area.top() + axisHeight, labelWidth, area.height() - axisHeight);
    g.chart = QRectF(area.left() + labelWidth + edge / 2, g.labels.top(),
                     area.width() - labelWidth - edge * 1.5, g.labels.height());
    g.axisTop = area.top();
    g.rowHeight = g.chart.height() / kTimerCount;
    // Hour labels every three hours when they fit, else every six.
    g.hourStep = hourWidth * 1.5 < g.chart.width() / 8 ? 3 : 6;
    return g;
}

void DayPlanPicture::Paint(QPainter& painter, const QRectF& area, const MarkColours& colours) const {
    const Geometry g = LayOut(area, painter.font());
    painter.save();
    painter.fillRect(area, colours.canvas);
    PaintRows(painter, g, colours);
    PaintAxis(painter, g, colours);
    PaintReminders(painter, g, colours);
    painter.restore();
}

void DayPlanPicture::PaintRows(QPainter& painter, const Geometry& g, const MarkColours& colours) const {
    const QFontMetricsF metrics(painter.font());
    const qreal pad = metrics.averageCharWidth();
    for (int t = 0; t < kTimerCount; ++t) {
        const QRectF row(g.labels.left(), g.RowTop(t), g.chart.right() - g.labels.left(), g.rowHeight);
        if (t % 2 == 1) painter.fillRect(row, colours.rowShade);
        const QRectF label(g.labels.left(), row.top(), g.labels.width() - pad, g.rowHeight);
        painter.setPen(colours.ink);
        DrawPaperText(painter, label, Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(names[t], Qt::ElideRight, label.width()));
    }
    QFont quiet = painter.font();
    quiet.setItalic(true);
    painter.setFont(quiet);
    painter.setPen(colours.quiet);
    for (int t : plan.outsideDay) {
        const QRectF row(g.chart.left() + pad, g.RowTop(t), g.chart.width() - pad, g.rowHeight);
        const std::string start = FormatDuration(timers[static_cast<std::size_t>(t)].startTime);
        DrawPaperText(painter, row, Qt::AlignLeft | Qt::AlignVCenter,
                      QCoreApplication::translate("cv::DayPlanPicture", "starts %1 after midnight: outside the day")
                          .arg(FromLatin1(start)));
    }
    quiet.setItalic(false);
    painter.setFont(quiet);
}

void DayPlanPicture::PaintAxis(QPainter& painter, const Geometry& g, const MarkColours& colours) const {
    for (int hour = 0; hour <= 24; ++hour) {
        const qreal x = g.XOf(hour * 60);
        const bool strong = hour % g.hourStep == 0;
        painter.setPen(QPen(strong ? colours.gridStrong : colours.grid, 0));
        painter.drawLine(QPointF(x, g.chart.top() - (strong ? g.rowHeight * 0.25 : 0)), QPointF(x, g.chart.bottom()));
        if (!strong) continue;
        painter.setPen(colours.ink);
        const qreal width = g.chart.width() / 4;
        DrawPaperText(painter, QRectF(x - width / 2, g.axisTop, width, g.chart.top() - g.axisTop - g.rowHeight * 0.25),
                         Qt::AlignHCenter | Qt::AlignBottom, HourLabel(hour));
    }
    painter.setPen(QPen(colours.gridStrong, 0));
    painter.drawLine(g.chart.bottomLeft(), g.chart.bottomRight());
}

void DayPlanPicture::PaintReminders(QPainter& painter, const Geometry& g, const MarkColours& colours) const {
    const qreal minuteWidth = g.chart.width() / kMinutesPerDay;
    const qreal band = std::max(minuteWidth, g.rowHeight * 0.18);
    for (const PlanMinute& clash : plan.clashes) {
        painter.fillRect(QRectF(g.XOf(clash.minute) - band / 2, g.chart.top(), band, g.chart.height()),
                         colours.clashBand);
    }
    for (const Reminder& reminder : plan.reminders) {
        const bool clash = clashAt[static_cast<std::size_t>(reminder.minute)];
        // A clash's ticks are also taller, so they tell without their colour.
        const qreal inset = g.rowHeight * (clash ? 0.05 : 0.2);
        painter.setPen(QPen(clash ? colours.clashTick : colours.tick, std::max(minuteWidth, band * 0.45),
                            Qt::SolidLine, Qt::FlatCap));
        const qreal x = g.XOf(reminder.minute);
        const qreal top = g.RowTop(reminder.timerIndex);
        painter.drawLine(QPointF(x, top + inset), QPointF(x, top + g.rowHeight - inset));
    }
}

QString DayPlanPicture::TipAt(const QRectF& area, const QFont& font, const QPointF& point) const {
    const Geometry g = LayOut(area, font);
    const int row = g.RowAt(point.y());
    if (row < 0 || point.x() < g.chart.left() - 4 || point.x() > g.chart.right() + 4) return QString();
    const Reminder* nearest = nullptr;
    qreal best = std::max<qreal>(4, g.chart.width() / kMinutesPerDay);
    for (const Reminder& reminder : plan.reminders) {
        const qreal distance = std::abs(g.XOf(reminder.minute) - point.x());
        if (reminder.timerIndex == row && distance <= best) {
            best = distance;
            nearest = &reminder;
        }
    }
    if (!nearest) return QString();
    const QString time = FromLatin1(FormatClockTime(nearest->minute));
    QStringList others;
    for (const Reminder& reminder : plan.reminders) {
        if (reminder.minute == nearest->minute && reminder.timerIndex != row) others << names[reminder.timerIndex];
    }
    if (others.isEmpty()) return QCoreApplication::translate("cv::DayPlanPicture", "%1 at %2").arg(names[row], time);
    return QCoreApplication::translate("cv::DayPlanPicture", "%1 at %2, with %3", "%3 lists the other timers")
        .arg(names[row], time, others.join(QStringLiteral(", ")));
}

}  // namespace cv
