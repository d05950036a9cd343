#include "gui/print/timer_page.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "core/timers/clock_text.h"
#include "core/timers/day_plan.h"
#include "core/timers/time_text.h"
#include "gui/latin1_text.h"
#include "gui/print/paper_text.h"
#include "gui/windows/day_plan_picture.h"

namespace cv {

namespace {

constexpr qreal kMargin = 36;  // points; printers add their own on top
const QColor kRule(150, 150, 150);


// Draws text in one line of rect, noting it in unfitted (when given) if it is
// wider than the rect.
void DrawLine(QPainter& painter, const QRectF& rect, int flags, const QString& text, QStringList* unfitted) {
    if (unfitted && QFontMetricsF(painter.font()).horizontalAdvance(text) > rect.width() + 0.01) *unfitted << text;
    DrawPaperText(painter, rect, flags, text);
}

// Draws text word-wrapped from the top of area; its height.
qreal DrawWrapped(QPainter& painter, const QRectF& area, const QString& text, QStringList* unfitted) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF bounds = PaperTextBounds(painter, QRectF(area.topLeft(), QSizeF(area.width(), 1e6)), flags, text);
    // A single word longer than the line still overflows it.
    if (unfitted && bounds.width() > area.width() + 0.01) *unfitted << text;
    DrawPaperText(painter, QRectF(area.topLeft(), QSizeF(area.width(), bounds.height())), flags, text);
    return bounds.height();
}

qreal PaintHeading(QPainter& painter, const QRectF& area, const TimerPage& page, QStringList* unfitted) {
    const QFont titleFont = PaperFont(painter, 16, true);
    const QFont dateFont = PaperFont(painter, 10);
    const QString date = QLocale().toString(page.date, QLocale::LongFormat);
    const qreal height = QFontMetricsF(titleFont).height();
    // The date keeps its room at the right; the title has the rest.
    const qreal dateWidth = QFontMetricsF(dateFont).horizontalAdvance(date);
    const qreal gap = QFontMetricsF(dateFont).averageCharWidth() * 2;
    painter.setFont(titleFont);
    DrawLine(painter, QRectF(area.left(), area.top(), area.width() - dateWidth - gap, height),
             Qt::AlignLeft | Qt::AlignVCenter, page.title, unfitted);
    painter.setFont(dateFont);
    DrawLine(painter, QRectF(area.left(), area.top(), area.width(), height), Qt::AlignRight | Qt::AlignVCenter, date,
             unfitted);
    return height * 1.6;
}

qreal PaintTable(QPainter& painter, const QRectF& area, const TimerRecords& timers, QStringList* unfitted) {
    const QStringList header = {
        QCoreApplication::translate("cv::TimerPage", "Timer"),  QCoreApplication::translate("cv::TimerPage", "Name"),
        QCoreApplication::translate("cv::TimerPage", "Start"),  QCoreApplication::translate("cv::TimerPage", "Repeat"),
        QCoreApplication::translate("cv::TimerPage", "Snooze"), QCoreApplication::translate("cv::TimerPage", "Priority")};
    painter.setFont(PaperFont(painter, 9));
    const QFontMetricsF metrics(painter.font());
    const QFontMetricsF boldMetrics(PaperFont(painter, 9, true));
    const qreal rowHeight = metrics.height() * 1.45;
    const qreal pad = metrics.averageCharWidth();
    // Each column as wide as its widest heading or value, in whatever
    // language the headings are.
    const auto widest = [&](std::initializer_list<qreal> widths) { return std::max(widths) + 2 * pad; };
    const qreal timeWidth =
        widest({metrics.horizontalAdvance(QStringLiteral("1092:15 PM")), boldMetrics.horizontalAdvance(header[2]),
                boldMetrics.horizontalAdvance(header[3]), boldMetrics.horizontalAdvance(header[4])});
    const qreal small = widest({metrics.horizontalAdvance(QStringLiteral("10")),
                                boldMetrics.horizontalAdvance(header.first()), boldMetrics.horizontalAdvance(header.last())});
    const qreal nameWidth = std::max<qreal>(area.width() - 2 * small - 3 * timeWidth, small);
    const qreal widths[] = {small, nameWidth, timeWidth, timeWidth, timeWidth, small};

    for (int row = 0; row <= kTimerCount; ++row) {
        QStringList cells = header;
        if (row > 0) {
            const TimerRecord& timer = timers[static_cast<std::size_t>(row - 1)];
            cells = {QString::number(row), FromLatin1(timer.name), FromLatin1(FormatTimeText(timer.startTime)),
                     FromLatin1(FormatTimeText(timer.repeatInterval)), FromLatin1(FormatTimeText(timer.snoozeTime)),
                     QString::number(timer.priority)};
        }
        painter.setFont(PaperFont(painter, 9, row == 0));
        qreal x = area.left();
        const qreal y = area.top() + row * rowHeight;
        for (int column = 0; column < cells.size(); ++column) {
            const QRectF cell(x + pad, y, widths[column] - 2 * pad, rowHeight);
            const Qt::Alignment side = column == 1 ? Qt::AlignLeft : (column == 0 || column == 5) ? Qt::AlignRight : Qt::AlignHCenter;
            const QString shown = (row == 0 ? boldMetrics : metrics).elidedText(cells[column], Qt::ElideRight, cell.width());
            if (unfitted && shown != cells[column]) *unfitted << cells[column];
            DrawPaperText(painter, cell, side | Qt::AlignVCenter, shown);
            x += widths[column];
        }
        painter.setPen(QPen(row == 0 ? Qt::black : kRule, 0));
        painter.drawLine(QPointF(area.left(), y + rowHeight), QPointF(area.right(), y + rowHeight));
        painter.setPen(Qt::black);
    }
    return rowHeight * (kTimerCount + 1);
}

struct ListedLine {
    QString time;  // empty for a timer outside the day
    QString names;
    bool clash = false;
};

std::vector<ListedLine> ReminderLines(const TimerRecords& timers, const DayPlan& plan) {
    std::vector<ListedLine> lines;
    for (const PlanMinute& minute : MinutesWithReminders(plan)) {
        QStringList names;
        for (int t : minute.timerIndexes) names << FromLatin1(PlanName(timers, t));
        lines.push_back({FromLatin1(FormatClockTime(minute.minute)), names.join(QStringLiteral(", ")), names.size() > 1});
    }
    for (int t : plan.outsideDay) {
        const std::string start = FormatDuration(timers[static_cast<std::size_t>(t)].startTime);
        lines.push_back({QString(),
                         QCoreApplication::translate("cv::TimerPage", "Outside the day: %1 starts %2 after midnight")
                             .arg(FromLatin1(PlanName(timers, t)), FromLatin1(start))});
    }
    return lines;
}

// Flows the lines down two columns, the names word-wrapped beside their time,
// in the largest size that fits; what still does not fit at the smallest
// size is counted at the end.
void PaintReminderList(QPainter& painter, const QRectF& area, const std::vector<ListedLine>& lines) {
    constexpr int kColumns = 2;
    const qreal gap = 12;
    const qreal columnWidth = (area.width() - gap * (kColumns - 1)) / kColumns;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (int size : {9, 8, 7, 6, 5}) {
        painter.setFont(PaperFont(painter, size, true));
        const qreal timeWidth = QFontMetricsF(painter.font()).horizontalAdvance(QStringLiteral("00:00 AM  "));
        const auto textRect = [&](const ListedLine& line, qreal x, qreal y) {
            const qreal indent = line.time.isEmpty() ? 0 : timeWidth;
            return QRectF(x + indent, y, columnWidth - indent, 1e6);
        };
        std::vector<QPointF> places;
        int column = 0;
        qreal y = area.top();
        for (const ListedLine& line : lines) {
            painter.setFont(PaperFont(painter, size, line.clash));
            const qreal height = PaperTextBounds(painter, textRect(line, 0, 0), flags, line.names).height();
            if (y + height > area.bottom()) {
                if (++column == kColumns) break;
                y = area.top();
            }
            places.emplace_back(area.left() + column * (columnWidth + gap), y);
            y += height;
        }
        const bool fits = places.size() == lines.size();
        if (!fits && size > 5) continue;
        const std::size_t shown = fits ? places.size() : places.size() - 1;
        for (std::size_t i = 0; i < shown; ++i) {
            const ListedLine& line = lines[i];
            painter.setFont(PaperFont(painter, size, line.clash));
            DrawPaperText(painter, QRectF(places[i], QSizeF(timeWidth, 1e6)), flags, line.time);
            DrawPaperText(painter, textRect(line, places[i].x(), places[i].y()), flags, line.names);
        }
        if (!fits && !places.empty()) {
            painter.setFont(PaperFont(painter, size));
            // The count in a variable of its own: lupdate does not read a cast
            // among translate()'s arguments, and would leave the text out.
            const int more = static_cast<int>(lines.size() - shown);
            DrawPaperText(painter, QRectF(places.back(), QSizeF(columnWidth, 1e6)), flags,
                          QCoreApplication::translate("cv::TimerPage", "... and %n more; cvtimerctl plan lists them all",
                                                      nullptr, more));
        }
        return;
    }
}

void PaintScaled(QPainter& painter, qreal unitsPerPoint, const QSizeF& pagePoints, const TimerPage& page,
                 QStringList* unfitted = nullptr) {
    painter.scale(unitsPerPoint, unitsPerPoint);
    PaintTimerPage(painter, QRectF(QPointF(0, 0), pagePoints).adjusted(kMargin, kMargin, -kMargin, -kMargin), page,
                   unfitted);
}

bool PrintTimerPage(QPagedPaintDevice& paper, const TimerPage& page, QStringList* unfitted) {
    QPainter painter;
    if (!painter.begin(&paper)) return false;
    PaintScaled(painter, paper.logicalDpiX() / 72.0, paper.pageLayout().paintRect(QPageLayout::Point).size(), page,
                unfitted);
    return painter.end();
}

}  // namespace

QPageSize LocalPageSize(const QLocale& locale) {
    // The territories whose paper is Letter, as the Unicode CLDR lists them.
    static constexpr QLocale::Territory kLetterTerritories[] = {
        QLocale::Belize,     QLocale::Canada,    QLocale::Chile,       QLocale::Colombia, QLocale::CostaRica,
        QLocale::Guatemala,  QLocale::Mexico,    QLocale::Nicaragua,   QLocale::Panama,   QLocale::Philippines,
        QLocale::PuertoRico, QLocale::ElSalvador, QLocale::UnitedStates, QLocale::Venezuela,
    };
    const bool letter = std::find(std::begin(kLetterTerritories), std::end(kLetterTerritories), locale.territory()) !=
                        std::end(kLetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void PaintTimerPage(QPainter& painter, const QRectF& area, const TimerPage& page, QStringList* unfitted) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    qreal y = area.top();
    y += PaintHeading(painter, area, page, unfitted);
    y += PaintTable(painter, QRectF(area.left(), y, area.width(), area.bottom() - y), page.timers, unfitted) + 16;

    const DayPlanPicture picture(page.timers);
    painter.setFont(PaperFont(painter, 7));
    const qreal pictureHeight = DayPlanPicture::PreferredHeight(painter.font()) * 1.1;
    picture.Paint(painter, QRectF(area.left(), y, area.width(), pictureHeight), PaperColours());
    y += pictureHeight + 2;
    painter.setFont(PaperFont(painter, 8));
    painter.setPen(Qt::black);
    y += DrawWrapped(painter, QRectF(area.left(), y, area.width(), 0), QString::fromStdString(DayPlanReading()), unfitted) + 12;

    painter.setFont(PaperFont(painter, 10, true));
    y += DrawWrapped(painter, QRectF(area.left(), y, area.width(), 0),
                     QCoreApplication::translate("cv::TimerPage", "Reminders by time (several timers at once in bold)"),
                     unfitted) +
         4;
    PaintReminderList(painter, QRectF(area.left(), y, area.width(), area.bottom() - y),
                      ReminderLines(page.timers, picture.Plan()));
    painter.restore();
}

bool PrintTimerPage(QPagedPaintDevice& paper, const TimerPage& page) { return PrintTimerPage(paper, page, nullptr); }

QStringList TimerPageUnfitted(const TimerPage& page, const QPageSize& size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    QStringList unfitted;
    PrintTimerPage(writer, page, &unfitted);
    return unfitted;
}

QByteArray TimerPagePdf(const TimerPage& page, const QPageSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(page.title);
    writer.setCreator(QStringLiteral("CV Timer"));
    if (!PrintTimerPage(writer, page)) return {};
    return bytes;
}

QImage TimerPageImage(const TimerPage& page, const QPageSize& size, int widthPixels) {
    const QSizeF points = size.size(QPageSize::Point);
    QImage image(widthPixels, static_cast<int>(widthPixels * points.height() / points.width()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScaled(painter, widthPixels / points.width(), points, page);
    return image;
}

}  // namespace cv
