#pragma once
// What the Comm Port menu shows, for the port menu tests.

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <vector>

#include "gui/sheet/timer_sheet.h"
#include "tests/gui/menu_text.h"

namespace cv {

inline std::vector<int> MarkedPorts(const TimerSheetDialog& sheet) {
    std::vector<int> marked;
    for (QAction* item : sheet.CommPortMenu()->actions()) {
        if (item->isChecked()) marked.push_back(item->data().toInt());
    }
    return marked;
}

inline QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* item : menu->actions()) texts << (item->isSeparator() ? "-" : MenuText(item));
    return texts;
}

}  // namespace cv
