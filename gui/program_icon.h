#pragma once
// The program's icon, for the windows' title bars and the About box.

#include <QIcon>

namespace cv {

// The sizes title bars, taskbars and the About box ask for, rendered from the
// SVG ahead of time (scripts/make-icons): no SVG support is needed at run time
// and each size is drawn for its pixels. Larger ones would only be decoded for
// nothing: the window system takes every size the icon offers.
QIcon ProgramIcon();

}  // namespace cv
