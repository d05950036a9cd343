#pragma once
// The printed page, for the kitchen wall: title and date, the ten timers as a
// table, the day plan picture and the reminders listed by time, all on one
// page of whatever size the printer or the PDF has.

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include "core/timers/timer_record.h"

class QPagedPaintDevice;
class QPainter;

namespace cv {

struct TimerPage {
    QString title;  // "Corvellan Timers", with the file's name when there is one
    QDate date;
    TimerRecords timers;
};

// The paper the locale's territory uses: Letter in the United States, Canada,
// Mexico and the other countries of the Americas and the Philippines that
// keep it, A4 everywhere else. The print dialog starts with it; what the user
// picks there is what is printed on.
QPageSize LocalPageSize(const QLocale& locale = QLocale());

// Paints the page into area; the painter's units are points. Texts that did
// not fit their room go into unfitted when it is given.
void PaintTimerPage(QPainter& painter, const QRectF& area, const TimerPage& page, QStringList* unfitted = nullptr);

// Prints the page on a printer the user has set up, or into a PDF writer whose
// page size is set. false when the printer cannot be started.
bool PrintTimerPage(QPagedPaintDevice& paper, const TimerPage& page);

// The page as a one-page PDF file's bytes; empty if it could not be made.
QByteArray TimerPagePdf(const TimerPage& page, const QPageSize& size);

// The texts of the page, as a PDF of that size would have it, that are cut
// short or run past their room (names too long for their column included).
QStringList TimerPageUnfitted(const TimerPage& page, const QPageSize& size);

// The page as a picture widthPixels wide, for looking at it on screen.
QImage TimerPageImage(const TimerPage& page, const QPageSize& size, int widthPixels);

}  // namespace cv
