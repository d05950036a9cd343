#pragma once
// What the Comm Port menu shows, for the port menu tests.

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <vector>

#include "gui/timer_sheet.h"

namespace cv {

inline std::vector<int> MarkedPorts(const TimerSheetDialog& sheet) {
    std::vector<int> marked;
    for (QAction* item : sheet.CommPortMenu()->actions()) {
        if (item->isChecked()) marked.push_back(item->text().section(QLatin1Char(' '), 1, 1).toInt());
    }
    return marked;
}

inline QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* item : menu->actions()) texts << (item->isSeparator() ? "-" : item->text());
    return texts;
}

}  // namespace cv
