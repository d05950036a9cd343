#include <gtest/gtest.h>

#include <cstdlib>

#include "core/language/language_choice.h"

namespace cv {
namespace {

TEST(ChooseLanguage, PinFirstThenTheFirstPreferredLanguageSpokenThenEnglish) {
    const struct {
        const char* pin;
        std::vector<std::string> preferred;
        Language expected;
        bool pinUnknown;
    } cases[] = {
        {"", {"fr-CA", "en-US"}, Language::French, false},
        {"", {"en-US", "fr-CA"}, Language::English, false},  // English first wins over French second
        {"", {"de-DE", "es-MX"}, Language::Spanish, false},  // skips what it does not speak
        {"", {"es_MX.UTF-8"}, Language::Spanish, false},
        {"", {"de_DE", "C"}, Language::English, false},
        {"", {"french", "eng"}, Language::English, false},  // not tags of a language it speaks
        {"", {}, Language::English, false},
        {"FR", {"es-ES"}, Language::French, false},
        {"es-mx", {"fr-CA"}, Language::Spanish, false},
        {"en", {"fr-CA"}, Language::English, false},
        {"Deutsch", {"fr-CA"}, Language::English, true},  // an unknown pin: English, and said
    };
    for (const auto& c : cases) {
        const LanguageChoice choice = ChooseLanguage(c.pin, c.preferred);
        EXPECT_EQ(choice.language, c.expected) << "pin '" << c.pin << "'";
        EXPECT_EQ(choice.pinUnknown, c.pinUnknown) << "pin '" << c.pin << "'";
    }
    // Quoted in a notice, an unknown pin cannot clear a terminal or ring its bell.
    EXPECT_EQ(ChooseLanguage("de\x1b[2J\x07\xC2\x9B", {}).unknownPin, "de\uFFFD[2J\uFFFD\uFFFD");
}

#ifndef _WIN32
TEST(PreferredLanguages, FollowsGettextLanguageListUnlessTheLocaleIsC) {
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANGUAGE", "de:fr_CA", 1);
    ::setenv("LANG", "es_MX.UTF-8", 1);
    EXPECT_EQ(PreferredLanguages(), (std::vector<std::string>{"de", "fr_CA", "es_MX.UTF-8"}));
    ::setenv("LC_ALL", "C.UTF-8", 1);
    EXPECT_EQ(PreferredLanguages(), (std::vector<std::string>{"C.UTF-8"}));
    for (const char* name : {"LC_ALL", "LANGUAGE", "LANG"}) ::unsetenv(name);
}
#endif

}  // namespace
}  // namespace cv
