#pragma once
// A made-up language for sizing the windows before, and beyond, any real
// translation: every text comes back about 60-110 % longer, its letters
// accented, with its &-keys, %1..%9 and %n places and its markup intact.
// Only the screenshots and the layout tests install it.

#include <QString>

namespace cv {

// The pseudo-language's form of an English text.
QString PseudoText(const QString& source);

// Installs the pseudo-language over the window's French (so Qt's own texts
// and the core's go through it too), or takes it away again.
void InstallPseudoLanguage();
void RemovePseudoLanguage();

}  // namespace cv
