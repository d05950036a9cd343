#include "gui/access/palette_colours.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace cv {

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.red()) + 0.7152 * Linear(rgb.green()) + 0.0722 * Linear(rgb.blue());
}

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// A colour with transparency as it shows over ground.
QColor Flatten(const QColor& colour, const QColor& ground) { return Blend(ground, colour, colour.alphaF()); }

double LeastContrast(const QColor& colour, std::initializer_list<QColor> grounds) {
    double least = 21;
    for (const QColor& ground : grounds) least = std::min(least, ContrastRatio(colour, ground));
    return least;
}

// colour, moved towards black on light grounds or white on dark ones just far
// enough to stand out from every ground by ratio (or as far as it can go).
QColor Distinct(const QColor& colour, std::initializer_list<QColor> grounds, double ratio) {
    double light = 0;
    for (const QColor& ground : grounds) light += Luminance(ground);
    // Below about 0.18 white stands out more than black does.
    const QColor away = light / static_cast<double>(grounds.size()) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step <= 20; ++step) {
        const QColor moved = Blend(colour, away, step / 20.0);
        if (LeastContrast(moved, grounds) >= ratio) return moved;
    }
    return away;
}

// ground with as much of hue as `share` gives while text on it keeps its contrast.
QColor Tinted(const QColor& ground, const QColor& hue, const QColor& text, double share) {
    for (; share > 0; share -= 0.025) {
        const QColor tinted = Blend(ground, hue, share);
        if (ContrastRatio(text, tinted) >= kTextContrast) return tinted;
    }
    return ground;
}

const QColor kBlue(31, 78, 153);
const QColor kRed(178, 34, 24);
const QColor kRedTint(235, 60, 50);
const QColor kOrangeTint(255, 170, 0);
const QColor kOrange(190, 90, 0);

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

MarkColours MarkColoursFor(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    MarkColours c;
    c.canvas = base;
    c.ink = text;
    c.rowShade = Blend(base, text, 0.05);
    c.grid = Blend(base, text, 0.15);
    c.gridStrong = Blend(base, text, 0.35);
    c.tick = Distinct(kBlue, {c.canvas, c.rowShade}, kMarkContrast);
    c.clashBand = Blend(base, kRedTint, 0.25);
    c.clashTick = Distinct(kRed, {c.canvas, c.rowShade, c.clashBand}, kMarkContrast);
    c.quiet = Distinct(Blend(base, text, 0.55), {c.canvas, c.rowShade}, kTextContrast);
    c.doubtGround = Tinted(base, kOrangeTint, text, 0.4);
    c.doubtMark = Distinct(kOrange, {c.doubtGround}, kMarkContrast);
    c.differsGround = Tinted(base, kRedTint, text, 0.25);
    c.notKnown = Distinct(Flatten(palette.color(QPalette::Active, QPalette::PlaceholderText), base), {base},
                          kTextContrast);
    c.focusRing = FocusRingColour(palette);
    return c;
}

QColor FocusRingColour(const QPalette& palette) {
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor around[] = {palette.color(QPalette::Active, QPalette::Window),
                             palette.color(QPalette::Active, QPalette::Base)};
    for (const QColor& ground : around) {
        if (ContrastRatio(highlight, ground) < kMarkContrast) return palette.color(QPalette::Active, QPalette::WindowText);
    }
    return highlight;
}

MarkColours PaperColours() {
    QPalette paper(Qt::black, Qt::white);
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    MarkColours c = MarkColoursFor(paper);
    // The page's own hues, chosen for print; each keeps its contrast on white.
    c.rowShade = QColor(241, 244, 248);
    c.grid = QColor(214, 219, 226);
    c.gridStrong = QColor(160, 168, 180);
    c.tick = kBlue;
    c.clashBand = QColor(255, 205, 200);
    c.clashTick = kRed;
    c.quiet = QColor(110, 110, 110);
    return c;
}

}  // namespace cv
