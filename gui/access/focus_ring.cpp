#include "gui/access/focus_ring.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "gui/access/palette_colours.h"
#include "gui/sheet/sheet_field.h"

namespace cv {

FocusRing::FocusRing() { setObjectName(QStringLiteral("focusRing")); }

void FocusRing::Follow(QWidget* widget) {
    const bool drawsItsOwn = !widget || widget->isWindow() || qobject_cast<QMenu*>(widget) ||
                             qobject_cast<QMenuBar*>(widget) || dynamic_cast<SheetField*>(widget);
    setWidget(drawsItsOwn ? nullptr : widget);
    if (drawsItsOwn) hide();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // QFocusFrame keeps a margin of two pixels around the widget; the ring fills it.
    painter.setPen(QPen(FocusRingColour(palette()), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace cv
