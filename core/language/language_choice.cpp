#include "core/language/language_choice.h"

#include <optional>

#include "core/settings/profile_file.h"
#include "core/timers/utf8_text.h"

namespace cv {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The language of a tag such as "fr", "fr-CA", "es_MX.UTF-8" or "en@euro";
// nothing for one the program does not speak ("de", "C", "french").
std::optional<Language> LanguageOfTag(std::string_view tag) {
    if (tag.size() < 2) return std::nullopt;
    if (tag.size() > 2 && tag[2] != '-' && tag[2] != '_' && tag[2] != '.' && tag[2] != '@') return std::nullopt;
    const std::string code{Lower(tag[0]), Lower(tag[1])};
    if (code == "en") return Language::English;
    if (code == "es") return Language::Spanish;
    if (code == "fr") return Language::French;
    return std::nullopt;
}

}  // namespace

const char* LanguageCode(Language language) {
    switch (language) {
        case Language::Spanish: return "es";
        case Language::French: return "fr";
        case Language::English: break;
    }
    return "en";
}

LanguageChoice ChooseLanguage(std::string_view pin, const std::vector<std::string>& preferred) {
    LanguageChoice choice;
    if (!pin.empty()) {
        if (const auto pinned = LanguageOfTag(pin)) {
            choice.language = *pinned;
        } else {
            choice.pinUnknown = true;
            choice.unknownPin = QuotableText(pin);
        }
        return choice;
    }
    for (const std::string& tag : preferred) {
        if (const auto language = LanguageOfTag(tag)) {
            choice.language = *language;
            break;
        }
    }
    return choice;
}

std::string ReadLanguagePin(const std::string& settingsPath) {
    const auto entry = FindProfileEntry(settingsPath, "Display", "Language");
    return entry ? entry->value : std::string();
}

LanguageChoice ChooseLanguageFor(const std::string& settingsPath) {
    return ChooseLanguage(ReadLanguagePin(settingsPath), PreferredLanguages());
}

}  // namespace cv
