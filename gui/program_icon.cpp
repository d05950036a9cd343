#include "gui/program_icon.h"

namespace cv {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 20, 24, 32, 40, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/cvtimer-%1.png").arg(side), QSize(side, side));
    return icon;
}

}  // namespace cv
