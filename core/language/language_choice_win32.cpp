#include <windows.h>

#include <string>

#include "core/language/language_choice.h"

namespace cv {

std::vector<std::string> PreferredLanguages() {
    // MUI_LANGUAGE_NAME gives a double-NUL-terminated list of tags such as
    // "fr-CA\0en-US\0\0", most preferred first.
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
    std::wstring buffer(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, buffer.data(), &size)) return {};
    std::vector<std::string> preferred;
    for (const wchar_t* tag = buffer.c_str(); *tag; tag += wcslen(tag) + 1) {
        // Tags are ASCII.
        std::string narrow;
        for (const wchar_t* c = tag; *c; ++c) narrow.push_back(static_cast<char>(*c & 0x7F));
        preferred.push_back(narrow);
    }
    return preferred;
}

}  // namespace cv
