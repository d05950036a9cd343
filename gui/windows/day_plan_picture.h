#pragma once
// The day plan as a picture: a 24-hour axis, one row per timer labelled with
// its name, a tick at each reminder, and the minutes at which two or more
// timers remind together highlighted. The window and the printed page draw
// the same picture, each at its own size.

#include <QFont>
#include <QRectF>
#include <QStringList>
#include <vector>

#include "core/timers/day_plan.h"
#include "gui/access/palette_colours.h"

class QPainter;

namespace cv {

class DayPlanPicture {
public:
    explicit DayPlanPicture(const TimerRecords& timers = {});

    const DayPlan& Plan() const { return plan; }
    // Names as people read them, one per timer.
    const QStringList& Names() const { return names; }

    // Draws into area with the painter's font, in colours (the screen's
    // palette's, or the paper's).
    void Paint(QPainter& painter, const QRectF& area, const MarkColours& colours) const;
    // What lies under point when the picture fills area in font: the timer
    // and time of the nearest tick ("Hands Washing at 06:30 AM"), or "".
    QString TipAt(const QRectF& area, const QFont& font, const QPointF& point) const;

    // A height that gives every row room for its name.
    static qreal PreferredHeight(const QFont& font);

private:
    struct Geometry;
    Geometry LayOut(const QRectF& area, const QFont& font) const;
    void PaintRows(QPainter& painter, const Geometry& geometry, const MarkColours& colours) const;
    void PaintAxis(QPainter& painter, const Geometry& geometry, const MarkColours& colours) const;
    void PaintReminders(QPainter& painter, const Geometry& geometry, const MarkColours& colours) const;

    TimerRecords timers;
    DayPlan plan;
    QStringList names;
    std::vector<bool> clashAt;  // by minute of the day
};

}  // namespace cv
