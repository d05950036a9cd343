#pragma once
// The program's icon, for the windows' title bars and the About box.

#include <QIcon>

namespace cv {

// The sizes title bars, taskbars and the About box ask for, rendered from the
// SVG ahead of time (scripts/make-icons): no SVG support is needed at run time
// and each size is drawn for its pixels. A size is decoded when it is first
// asked for; a size between two renderings is scaled down from the larger one.
// The 128 and 256 renderings are not offered: on X11 the window manager is
// handed every size the icon offers, and would get those for nothing.
QIcon ProgramIcon();

}  // namespace cv
