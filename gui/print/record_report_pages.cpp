#include "gui/print/record_report_pages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <vector>

#include "gui/print/paper_text.h"

namespace cv {

namespace {

constexpr qreal kMargin = 36;  // points; printers add their own on top
const QColor kRule(150, 150, 150);
// Room a heading wants below it on its page, or it goes to the next.
constexpr qreal kKeepWithHeading = 60;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The texts the pages and the HTML share.
QString TitleText() { return QCoreApplication::translate("cv::RecordReportPages", "What the Unit Held, Day by Day"); }
QString UnitLine(const RecordReport& report) {
    return QCoreApplication::translate("cv::RecordReportPages", "The unit on %1, as the record of sends tells it.")
        .arg(Q(report.unit));
}
QString NothingText() {
    return QCoreApplication::translate("cv::RecordReportPages", "The record holds nothing for this day.");
}
QString GapsHeading() { return QCoreApplication::translate("cv::RecordReportPages", "Gaps in what is known"); }
QString SheetsHeading() { return QCoreApplication::translate("cv::RecordReportPages", "Timer files sent"); }
QString FooterFolderLine(const ReportPrinting& printing) {
    return QCoreApplication::translate("cv::RecordReportPages", "Record of sends in %1").arg(printing.folder);
}
// Written as the report writes its dates and times, in every language
// ("2026-03-14 04:05 PM", never "16 h 05").
QString PrintedAt(const ReportPrinting& printing) {
    return printing.printedAt.toString(QStringLiteral("yyyy-MM-dd hh:mm AP"));
}

// Without ligatures, so that the PDF's text reads "files", not "ﬁles",
// to a screen reader and to a search.
QFont ReportFont(const QPainter& painter, int size, bool bold = false) {
    QFont font = PaperFont(painter, size, bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Cells wrap between words, and inside a word too long for its column (a path).
QTextOption CellOption(int flags) {
    QTextOption option = PaperTextOption(flags | Qt::TextWordWrap);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Lays the report out down the pages and, unless only measuring, draws it. Run
// once to count the pages, so the footer can say "of N", and once to draw.
class PageFlow {
public:
    PageFlow(QPainter& painter, const QRectF& area, const RecordReport& report, const ReportPrinting& printing,
             std::function<bool()> newPage, int pageToDraw, int pageCount)
        : painter(painter),
          area(area),
          report(report),
          printing(printing),
          newPage(std::move(newPage)),
          pageToDraw(pageToDraw),
          pageCount(pageCount),
          y(area.top()),
          top(area.top()) {
        painter.setFont(ReportFont(painter, 7));
        footerHeight = 2 * QFontMetricsF(painter.font()).lineSpacing() + 6;
    }

    // The whole report; the number of pages it took.
    int Flow() {
        Title();
        for (std::size_t d = 0; d < report.days.size(); ++d) {
            if (d > 0) Break();
            Day(report.days[d]);
        }
        Footer();
        return page + 1;
    }

private:
    bool Drawing() const { return pageCount > 0 && (pageToDraw < 0 || pageToDraw == page); }
    qreal Bottom() const { return area.bottom() - footerHeight; }
    bool Fits(qreal height) const { return y + height <= Bottom() || y == top; }

    // Ends the page with its footer and starts the next, under the day's
    // heading again when a day goes on.
    void Break() {
        Footer();
        ++page;
        if (pageCount > 0 && pageToDraw < 0 && !newPage()) failed = true;
        y = top = area.top();
        if (!continuedHeading.isEmpty())
            Text(QCoreApplication::translate("cv::RecordReportPages", "%1 (continued)").arg(continuedHeading), 11, true,
                 6);
        top = y;
    }

    // A block of text as wide as the area, word-wrapped; its height.
    qreal Measure(const QString& text, int size, bool bold, qreal width) {
        painter.setFont(ReportFont(painter, size, bold));
        return painter.boundingRect(QRectF(0, 0, width, 1e6), text, CellOption(Qt::AlignLeft | Qt::AlignTop)).height();
    }
    // A paragraph; a list item's lines hang beside its bullet.
    void Text(const QString& text, int size, bool bold, qreal spaceAfter, bool bullet = false) {
        const qreal indent = bullet ? 14 : 0;
        const qreal height = Measure(text, size, bold, area.width() - indent);
        if (!Fits(height)) Break();
        if (Drawing()) {
            const QTextOption option = CellOption(Qt::AlignLeft | Qt::AlignTop);
            if (bullet) painter.drawText(QRectF(area.left() + 4, y, indent, height), QStringLiteral("\u2022"), option);
            painter.drawText(QRectF(area.left() + indent, y, area.width() - indent, height), text, option);
        }
        y += height + spaceAfter;
    }

    void Title() {
        Text(TitleText(), 16, true, 4);
        Text(UnitLine(report), 10, false, 6);
        for (const std::string& note : report.notes) Text(Q(note), 9, false, 3);
        y += 10;
    }

    void Day(const ReportDay& day) {
        continuedHeading.clear();
        Text(Q(day.heading), 14, true, 6);
        continuedHeading = Q(day.heading);
        if (day.timeline.rows.empty() && day.sheets.empty() && day.gaps.empty()) Text(NothingText(), 9, false, 8);
        if (!day.timeline.rows.empty()) Table(day.timeline, QString());
        if (!day.gaps.empty()) {
            y += 4;
            if (!Fits(kKeepWithHeading)) Break();
            Text(GapsHeading(), 10, true, 3);
            for (const std::string& gap : day.gaps) Text(Q(gap), 8, false, 2, true);
            y += 6;
        }
        if (!day.sheets.empty()) {
            y += 4;
            if (!Fits(kKeepWithHeading)) Break();
            Text(SheetsHeading(), 10, true, 3);
            for (const ReportSheet& sheet : day.sheets) Table(sheet.timers, Q(sheet.caption));
        }
        continuedHeading.clear();
    }

    // Each column as wide as its widest cell where the area allows; where it
    // does not, the narrow ones keep their width and the wide ones share the rest.
    std::vector<qreal> ColumnWidths(const ReportTable& table, qreal pad) {
        const QFontMetricsF metrics(ReportFont(painter, 8));
        const QFontMetricsF boldMetrics(ReportFont(painter, 8, true));
        std::vector<qreal> natural;
        for (std::size_t c = 0; c < table.headings.size(); ++c) {
            qreal width = boldMetrics.horizontalAdvance(Q(table.headings[c]));
            for (const auto& row : table.rows)
                if (c < row.size()) width = std::max(width, metrics.horizontalAdvance(Q(row[c])));
            natural.push_back(width + 2 * pad + 1);
        }
        std::vector<qreal> widths(natural.size(), 0);
        std::vector<bool> settled(natural.size(), false);
        qreal room = area.width();
        for (std::size_t left = natural.size(); left > 0;) {
            const qreal share = room / static_cast<qreal>(left);
            bool any = false;
            for (std::size_t c = 0; c < natural.size(); ++c) {
                if (settled[c] || natural[c] > share) continue;
                widths[c] = natural[c];
                settled[c] = any = true;
                room -= natural[c];
                --left;
            }
            if (any) continue;
            for (std::size_t c = 0; c < natural.size(); ++c)
                if (!settled[c]) widths[c] = share;
            break;
        }
        return widths;
    }

    qreal Row(const std::vector<std::string>& cells, const std::vector<qreal>& widths, qreal pad, bool header,
              bool measureOnly) {
        painter.setFont(ReportFont(painter, 8, header));
        qreal height = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString text = c < cells.size() ? Q(cells[c]) : QString();
            height = std::max(height, painter
                                          .boundingRect(QRectF(0, 0, widths[c] - 2 * pad, 1e6), text,
                                                        CellOption(Qt::AlignLeft | Qt::AlignTop))
                                          .height());
        }
        height += pad;
        if (measureOnly || !Drawing()) return height;
        qreal x = area.left();
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString text = c < cells.size() ? Q(cells[c]) : QString();
            painter.drawText(QRectF(x + pad, y + pad / 2, widths[c] - 2 * pad, height), text,
                             CellOption(Qt::AlignLeft | Qt::AlignTop));
            x += widths[c];
        }
        painter.setPen(QPen(header ? Qt::black : kRule, 0));
        painter.drawLine(QPointF(area.left(), y + height), QPointF(area.right(), y + height));
        painter.setPen(Qt::black);
        return height;
    }

    // A table under its caption (when it has one), the heading row again at
    // the top of every page it runs on to.
    void Table(const ReportTable& table, const QString& caption) {
        const qreal pad = QFontMetricsF(ReportFont(painter, 8)).averageCharWidth() * 0.6;
        const std::vector<qreal> widths = ColumnWidths(table, pad);
        const qreal headerHeight = Row(table.headings, widths, pad, true, true);
        const qreal firstRow = table.rows.empty() ? 0 : Row(table.rows.front(), widths, pad, false, true);
        const qreal captionHeight = caption.isEmpty() ? 0 : Measure(caption, 9, true, area.width()) + 2;
        // A captioned table (a timer file's ten timers) stays whole on a page
        // where half a page holds it, so its rows never lose their caption; any
        // table's caption and heading row never stand alone at a page's foot.
        qreal whole = captionHeight + headerHeight;
        for (const auto& row : table.rows) whole += Row(row, widths, pad, false, true);
        const bool keepWhole = !caption.isEmpty() && whole <= (Bottom() - area.top()) / 2;
        if (!Fits(keepWhole ? whole : captionHeight + headerHeight + firstRow)) Break();
        if (!caption.isEmpty()) Text(caption, 9, true, 2);
        y += Row(table.headings, widths, pad, true, false);
        for (const auto& row : table.rows) {
            const qreal height = Row(row, widths, pad, false, true);
            if (!Fits(height)) {
                Break();
                y += Row(table.headings, widths, pad, true, false);
            }
            y += Row(row, widths, pad, false, false);
        }
        y += 10;
    }

    void Footer() {
        if (!Drawing()) return;
        painter.setFont(ReportFont(painter, 7));
        const qreal line = QFontMetricsF(painter.font()).lineSpacing();
        const qreal footTop = area.bottom() - 2 * line;
        painter.setPen(QPen(kRule, 0));
        painter.drawLine(QPointF(area.left(), footTop - 3), QPointF(area.right(), footTop - 3));
        painter.setPen(Qt::black);
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        // A folder too long for the line keeps its start and its end.
        const QString folder =
            QFontMetricsF(painter.font()).elidedText(FooterFolderLine(printing), Qt::ElideMiddle, area.width());
        DrawPaperText(painter, QRectF(area.left(), footTop, area.width(), line), flags, folder);
        DrawPaperText(painter, QRectF(area.left(), footTop + line, area.width(), line), flags,
                      QCoreApplication::translate("cv::RecordReportPages", "Unit on %1. Printed %2. Page %3 of %4.")
                          .arg(Q(report.unit), PrintedAt(printing))
                          .arg(page + 1)
                          .arg(pageCount));
    }

    QPainter& painter;
    const QRectF area;
    const RecordReport& report;
    const ReportPrinting& printing;
    const std::function<bool()> newPage;
    const int pageToDraw;  // -1: every page
    const int pageCount;   // 0 while counting
    qreal footerHeight = 0;
    qreal y;
    qreal top;
    int page = 0;
    QString continuedHeading;

public:
    bool failed = false;
};

// Flows the report through painter, scaled to points; the number of pages.
int PaintReport(QPainter& painter, qreal unitsPerPoint, const QSizeF& pagePoints, const RecordReport& report,
                const ReportPrinting& printing, const std::function<bool()>& newPage, int pageToDraw, bool& failed) {
    painter.save();
    painter.scale(unitsPerPoint, unitsPerPoint);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    const QRectF area = QRectF(QPointF(0, 0), pagePoints).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int count = PageFlow(painter, area, report, printing, newPage, pageToDraw, 0).Flow();
    PageFlow drawing(painter, area, report, printing, newPage, pageToDraw, count);
    drawing.Flow();
    failed = drawing.failed;
    painter.restore();
    return count;
}

QPdfWriter* NewWriter(QBuffer& buffer, const QPageSize& size) {
    auto* writer = new QPdfWriter(&buffer);
    writer->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    writer->setCreator(QStringLiteral("CV Timer"));
    return writer;
}

}  // namespace

bool PrintRecordReport(QPagedPaintDevice& paper, const RecordReport& report, const ReportPrinting& printing) {
    QPainter painter;
    if (!painter.begin(&paper)) return false;
    bool failed = false;
    PaintReport(
        painter, paper.logicalDpiX() / 72.0, paper.pageLayout().paintRect(QPageLayout::Point).size(), report, printing,
        [&paper] { return paper.newPage(); }, -1, failed);
    return painter.end() && !failed;
}

QByteArray RecordReportPdf(const RecordReport& report, const ReportPrinting& printing, const QPageSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        const std::unique_ptr<QPdfWriter> writer(NewWriter(buffer, size));
        writer->setTitle(TitleText());
        if (!PrintRecordReport(*writer, report, printing)) return {};
    }
    return bytes;
}

QImage RecordReportPageImage(const RecordReport& report, const ReportPrinting& printing, const QPageSize& size,
                             int page, int widthPixels) {
    const QSizeF points = size.size(QPageSize::Point);
    QImage image(widthPixels, static_cast<int>(widthPixels * points.height() / points.width()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    bool failed = false;
    PaintReport(
        painter, widthPixels / points.width(), points, report, printing, [] { return true; }, page, failed);
    return image;
}

QString RecordReportHtml(const RecordReport& report, const ReportPrinting& printing) {
    const auto esc = [](const std::string& text) { return Q(text).toHtmlEscaped(); };
    const auto table = [&](const ReportTable& t) {
        QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
        for (const std::string& heading : t.headings)
            html += QStringLiteral("<th align=\"left\">%1</th>").arg(esc(heading));
        html += QStringLiteral("</tr>");
        for (const auto& row : t.rows) {
            html += QStringLiteral("<tr>");
            for (const std::string& cell : row) html += QStringLiteral("<td>%1</td>").arg(esc(cell));
            html += QStringLiteral("</tr>");
        }
        return html + QStringLiteral("</table>");
    };
    QString html =
        QStringLiteral("<h1>%1</h1><p>%2</p>").arg(TitleText().toHtmlEscaped(), UnitLine(report).toHtmlEscaped());
    for (const std::string& note : report.notes) html += QStringLiteral("<p>%1</p>").arg(esc(note));
    for (const ReportDay& day : report.days) {
        html += QStringLiteral("<h2>%1</h2>").arg(esc(day.heading));
        if (day.timeline.rows.empty() && day.sheets.empty() && day.gaps.empty())
            html += QStringLiteral("<p>%1</p>").arg(NothingText().toHtmlEscaped());
        if (!day.timeline.rows.empty()) html += table(day.timeline);
        if (!day.gaps.empty()) {
            html += QStringLiteral("<h3>%1</h3><ul>").arg(GapsHeading().toHtmlEscaped());
            for (const std::string& gap : day.gaps) html += QStringLiteral("<li>%1</li>").arg(esc(gap));
            html += QStringLiteral("</ul>");
        }
        if (!day.sheets.empty()) html += QStringLiteral("<h3>%1</h3>").arg(SheetsHeading().toHtmlEscaped());
        for (const ReportSheet& sheet : day.sheets)
            html += QStringLiteral("<h4>%1</h4>").arg(esc(sheet.caption)) + table(sheet.timers);
    }
    html += QStringLiteral("<hr><p>%1<br>%2</p>")
                .arg(FooterFolderLine(printing).toHtmlEscaped(),
                     QCoreApplication::translate("cv::RecordReportPages", "Unit on %1. Printed %2.")
                         .arg(Q(report.unit), PrintedAt(printing))
                         .toHtmlEscaped());
    return html;
}

}  // namespace cv
