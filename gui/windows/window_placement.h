#pragma once
// Where the sheet's companion windows (the day plan, what was sent to the
// unit) open: beside the sheet, not on top of it.

class QWidget;

namespace cv {

// Opens `window` to the right of `beside` (or to its left when the screen has
// no room there, or below it), sized to fit the screen, or brings it forward
// when it is open already.
void ShowWindowBeside(QWidget& window, const QWidget& beside);

}  // namespace cv
