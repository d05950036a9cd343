#include "gui/windows/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace cv {

namespace {

// To the right or left of the sheet, narrowed to the room there when need
// be; below it when neither side has room; otherwise as near as the screen
// allows.
QPoint PlaceBeside(QWidget& window, const QRect& sheet, const QRect& screen) {
    constexpr int kGap = 8;
    const int roomRight = screen.right() - sheet.right() - kGap;
    const int roomLeft = sheet.left() - screen.left() - kGap;
    const int room = std::max(roomRight, roomLeft);
    const int height = window.height();
    const int top = std::clamp(sheet.top(), screen.top(), std::max(screen.top(), screen.bottom() - height));
    if (room >= window.minimumSizeHint().width()) {
        window.resize(std::min(window.width(), room), height);
        return {roomRight >= roomLeft ? sheet.right() + kGap : sheet.left() - kGap - window.width(), top};
    }
    const int left = std::clamp(sheet.left(), screen.left(), std::max(screen.left(), screen.right() - window.width()));
    if (sheet.bottom() + kGap + height <= screen.bottom()) return {left, sheet.bottom() + kGap};
    return {std::max(screen.left(), screen.right() - window.width()), top};
}

}  // namespace

void ShowWindowBeside(QWidget& window, const QWidget& beside) {
    if (!window.isVisible()) {
        const QRect sheet = beside.frameGeometry();
        const QRect screen = beside.screen() ? beside.screen()->availableGeometry() : QRect();
        window.resize(screen.isValid() ? window.sizeHint().boundedTo(screen.size()) : window.sizeHint());
        if (screen.isValid()) window.move(PlaceBeside(window, sheet, screen));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace cv
