#pragma once
// The program's icon, for the windows' title bars and the About box.

#include <QIcon>

namespace cv {

// Every size rendered from the SVG ahead of time (scripts/make-icons), so no
// SVG support is needed at run time and each size is drawn for its pixels.
QIcon ProgramIcon();

}  // namespace cv
