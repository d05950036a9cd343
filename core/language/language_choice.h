#pragma once
// Which language the program speaks: a site's pin in the settings file first,
// then the first of the user's preferred display languages that it has, then
// English.

#include <string>
#include <string_view>
#include <vector>

namespace cv {

enum class Language { English, Spanish, French };

// "en", "es" or "fr": the catalogues' names.
const char* LanguageCode(Language language);

struct LanguageChoice {
    Language language = Language::English;
    // The pin named a language the program does not have; it speaks English
    // and says so once. unknownPin is the value as written, made fit to quote
    // (QuotableText): a control character or an escape sequence in the
    // settings file must not reach the terminal or the window.
    bool pinUnknown = false;
    std::string unknownPin;
};

// The decision alone. pin is the settings file's value ("" when there is none);
// preferred is the user's list, most wanted first, in any of the systems'
// spellings ("fr-CA", "es_MX.UTF-8", "en"). Both match without regard to case.
LanguageChoice ChooseLanguage(std::string_view pin, const std::vector<std::string>& preferred);

// The user's preferred display languages as the system lists them: Windows'
// preferred UI languages; on Linux GNU gettext's order (LANGUAGE unless the
// locale is C, then LC_ALL, LC_MESSAGES, LANG).
std::vector<std::string> PreferredLanguages();

// The settings file's [Display] Language, "" when it has none.
std::string ReadLanguagePin(const std::string& settingsPath);

// ChooseLanguage over what the settings file and the system say.
LanguageChoice ChooseLanguageFor(const std::string& settingsPath);

}  // namespace cv
