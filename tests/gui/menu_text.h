#pragma once
// A menu item's words as a user reads them, without the '&' before its key.

#include <QAction>
#include <QString>

namespace cv {

inline QString MenuText(const QAction* item) {
    QString text = item->text();
    // "&&" is a literal ampersand: the second one stays.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) text.remove(i, 1);
    }
    return text;
}

}  // namespace cv
