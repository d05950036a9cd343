#pragma once
// The window's language: our catalogue and Qt's own (buttons, file and print
// dialogs) installed on the application, and the core's texts routed through
// them, so everything the user reads is in one language.

#include "core/language/language_choice.h"

namespace cv {

// Installs language's translators in place of any installed before. Call
// before any window exists: widgets take their texts when they are made.
void InstallLanguage(Language language);

// The language installed last (English until one is).
Language InstalledLanguage();

}  // namespace cv
