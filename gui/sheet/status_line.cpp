#include "gui/sheet/status_line.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace cv {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // Repainted at each message, which may now need more than one line.
    connect(this, &QStatusBar::messageChanged, this, &StatusLine::MeasureMessage);
}

void StatusLine::MeasureMessage(const QString& message) {
    // With one line of room there is nowhere to wrap to: the bar draws as any
    // status bar does, and the message need not be measured.
    messageWraps = roomLines > 1 && !message.isEmpty() && fontMetrics().horizontalAdvance(message) > MessageWidth(width());
    update();
}

int StatusLine::LinesFor(const QString& message, int width) const {
    const QFontMetrics metrics = fontMetrics();
    const QRect bounds = metrics.boundingRect(QRect(0, 0, MessageWidth(width), 1 << 20), Qt::TextWordWrap, message);
    return std::max(1, (bounds.height() + metrics.lineSpacing() - 1) / metrics.lineSpacing());
}

void StatusLine::KeepRoomFor(const QStringList& samples, int width) {
    int lines = 1;
    for (const QString& sample : samples) lines = std::max(lines, LinesFor(sample, width));
    lines = std::min(lines, 3);
    roomLines = lines;
    // One line is what a status bar has anyway: the English sheet stays as it was.
    setMinimumHeight(0);
    if (lines > 1) setMinimumHeight(sizeHint().height() + (lines - 1) * fontMetrics().lineSpacing());
    MeasureMessage(currentMessage());
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    MeasureMessage(currentMessage());
}

void StatusLine::paintEvent(QPaintEvent* event) {
    const QString message = currentMessage();
    if (!messageWraps) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    painter.setPen(palette().windowText().color());
    painter.drawText(QRect(kLeft, 0, MessageWidth(width()), height()),
                     Qt::AlignLeading | Qt::AlignVCenter | Qt::TextWordWrap, message);
}

}  // namespace cv
