#pragma once
// A window that opens beside the sheet (View > Day Plan, View > Sent to Unit):
// a window with its title to a screen reader, closed by Esc or Ctrl+W (Ctrl+F4
// too on Windows), opening beside the sheet and brought forward when open.

#include <QWidget>

namespace cv {

class SecondaryWindow : public QWidget {
    Q_OBJECT

public:
    SecondaryWindow(const QString& title, const QString& objectName, QWidget* parent);

    // Opens the window to the right of `beside` (or to its left when the screen
    // has no room there), or brings it forward when already open.
    void ShowBeside(const QWidget& beside);
};

}  // namespace cv
