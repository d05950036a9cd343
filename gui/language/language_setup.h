#pragma once
// The window's language: our catalogue and Qt's own (buttons, file and print
// dialogs) installed on the application, and the core's texts routed through
// them, so everything the user reads is in one language.

#include <QLocale>

#include "core/language/language_choice.h"

namespace cv {

// Installs language's translators in place of any installed before, and
// makes the default locale one of that language, which is what a screen
// reader is told the window speaks (Qt's AT-SPI bridge answers GetLocale
// with it; a widget's locale, and so a field's "language" text attribute,
// starts from it), so that one choosing its voice by language reads a French
// window on an English system in French. The system's locale stays where it
// already speaks the language. Call before any window exists: widgets take
// their texts and their locale when they are made.
void InstallLanguage(Language language);

// The locale whose territory chooses the printer's paper: the default locale
// as it was before InstallLanguage put the window's language in it. Qt has
// no French for the United States, so a French window there takes fr_FR,
// and the paper must stay Letter all the same.
QLocale TerritoryLocale();

// The language installed last (English until one is).
Language InstalledLanguage();

}  // namespace cv
