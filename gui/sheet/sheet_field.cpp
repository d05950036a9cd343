#include "gui/sheet/sheet_field.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "gui/access/palette_colours.h"

namespace cv {

SheetField::SheetField(QWidget* parent) : QLineEdit(parent) {}

void SheetField::SetDoubtMark(const QColor& colour) {
    if (colour == doubtMark) return;
    doubtMark = colour;
    update();
}

void SheetField::keyPressEvent(QKeyEvent* event) {
    // A line edit takes Alt+letter for text, since AltGr reaches it as Alt on
    // some systems; here an Alt+letter that no menu or button takes would
    // overwrite a selected name with one letter. AltGr on Windows is Ctrl+Alt,
    // and Alt with the number pad types a character by its code; both still type.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::KeypadModifier)) && !event->text().isEmpty() &&
        event->text().at(0).isPrint()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SheetField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!doubtMark.isValid() && !hasFocus()) return;
    QPainter painter(this);
    if (hasFocus()) {
        painter.setPen(QPen(FocusRingColour(palette()), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (!doubtMark.isValid()) return;
    // A triangle in the top left corner, as spreadsheets flag a doubtful cell.
    const qreal side = fontMetrics().height() * 0.5;
    const QRectF inside = QRectF(rect()).adjusted(2, 2, -2, -2);
    QPainterPath corner;
    corner.moveTo(inside.topLeft());
    corner.lineTo(inside.left() + side, inside.top());
    corner.lineTo(inside.left(), inside.top() + side);
    corner.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(corner, doubtMark);
}

}  // namespace cv
