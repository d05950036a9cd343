#pragma once
// Text on the printed page and in the day plan picture, which are drawn through
// a scaled painter: laid out with the font's design metrics, so the spacing of
// letters does not follow how the screen would round each one at the painter's
// small font size. GDI, Windows' font engine, rounds every advance to a whole
// pixel there, and at 1200 dpi that pulls words apart ("Was hing").

#include <QPainter>
#include <QTextOption>

namespace cv {

// The painter's font at size, in the painter's units (points on paper), drawn
// without hinting so that it measures the same on every device.
inline QFont PaperFont(const QPainter& painter, int size, bool bold = false) {
    QFont font = painter.font();
    font.setPixelSize(size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

inline QTextOption PaperTextOption(int flags) {
    QTextOption option(Qt::Alignment(flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)));
    option.setWrapMode((flags & Qt::TextWordWrap) != 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    return option;
}

// painter.drawText(rect, flags, text), with design metrics.
inline void DrawPaperText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    painter.drawText(rect, text, PaperTextOption(flags));
}

// painter.boundingRect(rect, flags, text), with design metrics.
inline QRectF PaperTextBounds(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    return painter.boundingRect(rect, text, PaperTextOption(flags));
}

}  // namespace cv
