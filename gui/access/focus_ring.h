#pragma once
// The ring drawn around whatever has the keyboard focus, in every window and
// every palette: two pixels just outside the widget, in the palette's
// highlight where that stands out 3:1 from both the window and a field, else
// in the window's text colour. The style's own focus marks stay as they are.

#include <QFocusFrame>

namespace cv {

class FocusRing : public QFocusFrame {
public:
    FocusRing();

    // Moves the ring to `widget`, or hides it for a widget that draws its own
    // (menus, the sheet's fields) or for none.
    void Follow(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace cv
