#pragma once
// File > Print Record...: what the unit held, day by day, on paper. Each day
// starts a page of its own (the first shares it with the notes about the
// record) and runs on to more where it needs them: its heading, the timeline
// as a table, a line for every gap in what is known, and each timer file sent
// that day with its ten timers. Every page has a footer with the folder of
// the record, the unit and when it was printed. The same content is also
// given as HTML, for reading on screen as text.

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QPageSize>
#include <QString>

#include "core/record/record_report.h"

class QPagedPaintDevice;

namespace cv {

// What the footer says besides the unit.
struct ReportPrinting {
    QString folder;  // the settings folder, which holds the record
    QDateTime printedAt;
};

// Prints the report on a printer the user has set up, or into a PDF writer
// whose page size is set. false when the printer cannot be started.
bool PrintRecordReport(QPagedPaintDevice& paper, const RecordReport& report, const ReportPrinting& printing);

// The report as a PDF file's bytes; empty if it could not be made.
QByteArray RecordReportPdf(const RecordReport& report, const ReportPrinting& printing, const QPageSize& size);

// Page `page` (from 0) as a picture widthPixels wide, for looking at it on screen.
QImage RecordReportPageImage(const RecordReport& report, const ReportPrinting& printing, const QPageSize& size,
                             int page, int widthPixels);

// The same content as an HTML document: headings, tables with header cells,
// the gaps as a list, the footer's facts at the end.
QString RecordReportHtml(const RecordReport& report, const ReportPrinting& printing);

}  // namespace cv
