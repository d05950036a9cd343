#pragma once
// The window's side of the 8-bit boundary: core keeps timer texts as Latin-1
// bytes, the widgets show and take QStrings.

#include <QString>
#include <string>

#include "core/timers/unit_text.h"

namespace cv {

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// As the unit takes the text: typographic punctuation in its plain form, and
// any other character beyond Latin-1 as "?". The sheet marks such a character
// and refuses to save or send it, so the "?" never leaves the window.
inline std::string ToLatin1(const QString& text) { return UnitTextFromCodePoints(text.toStdU32String()).latin1; }

}  // namespace cv
