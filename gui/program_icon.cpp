#include "gui/program_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <array>
#include <map>

namespace cv {

namespace {

constexpr std::array kSides{16, 20, 24, 32, 40, 48, 64};

// Offers every rendered size but decodes a PNG only when that size is first
// drawn, so a window system that asks for two sizes pays for two, and one that
// asks for none (offscreen) pays for none.
class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        if (wanted <= 0) return {};
        // The smallest rendering at least as large as asked for, else the largest.
        int side = kSides.back();
        for (const int offered : kSides) {
            if (offered >= wanted) {
                side = offered;
                break;
            }
        }
        QPixmap& decoded = pixmaps[side];
        if (decoded.isNull()) decoded.load(QStringLiteral(":/icons/cvtimer-%1.png").arg(side));
        if (side <= wanted || decoded.isNull()) return decoded;
        return decoded.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kSides.back()});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kSides) sizes << QSize(side, side);
        return sizes;
    }

    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("cvtimer-program-icon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    std::map<int, QPixmap> pixmaps;  // by side, as decoded so far
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace cv
