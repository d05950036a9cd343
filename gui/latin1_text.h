#pragma once
// The window's side of the 8-bit boundary: core keeps timer texts as Latin-1
// bytes, the widgets show and take QStrings.

#include <QString>
#include <string>

namespace cv {

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace cv
