#include <cstdlib>
#include <string>

#include "core/language/language_choice.h"

namespace cv {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// gettext reads LANGUAGE only when a real locale is set: in the C locale a
// program speaks English whatever LANGUAGE lists.
bool IsCLocale(const std::string& locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}

}  // namespace

std::vector<std::string> PreferredLanguages() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Variable(name);
        if (!locale.empty()) break;
    }
    std::vector<std::string> preferred;
    const std::string list = Variable("LANGUAGE");
    if (!IsCLocale(locale) && !list.empty()) {
        std::size_t start = 0;
        for (std::size_t colon = list.find(':'); ; colon = list.find(':', start)) {
            const std::string tag = list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
            if (!tag.empty()) preferred.push_back(tag);
            if (colon == std::string::npos) break;
            start = colon + 1;
        }
    }
    if (!locale.empty()) preferred.push_back(locale);
    return preferred;
}

}  // namespace cv
