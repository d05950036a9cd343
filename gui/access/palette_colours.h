#pragma once
// The program's own colours: the tints and marks it draws besides what the
// style draws. Each is taken from the palette in use, or chosen for it, so that
// text keeps a contrast of 4.5:1 and a mark 3:1 against what lies behind it,
// in a light palette, a dark one and Windows High Contrast alike. The printed
// page has colours of its own: paper is white whatever the screen shows.

#include <QColor>

class QPalette;

namespace cv {

// The contrast of two colours as WCAG 2 defines it: (L1 + 0.05) / (L2 + 0.05)
// of their relative luminances, lighter over darker; 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

struct MarkColours {
    // The day plan picture.
    QColor canvas;      // its ground
    QColor ink;         // names and hours
    QColor rowShade;    // every other timer's row
    QColor grid;        // the hours
    QColor gridStrong;  // the labelled hours
    QColor tick;        // a reminder
    QColor clashBand;   // behind a minute at which several timers remind
    QColor clashTick;   // a reminder at such a minute
    QColor quiet;       // a note in a row ("outside the day")
    // The sheet: a field whose text cannot be what was meant.
    QColor doubtGround;
    QColor doubtMark;
    // Sent to Unit: a value the sheet differs from, and "not known".
    QColor differsGround;
    QColor notKnown;
    // Drawn around whatever has the keyboard focus.
    QColor focusRing;
};

// Chosen for palette's active colours.
MarkColours MarkColoursFor(const QPalette& palette);
// Only the focus ring's, which is drawn far more often than the others.
QColor FocusRingColour(const QPalette& palette);
// For paper: dark on white.
MarkColours PaperColours();

}  // namespace cv
