#include "core/language/tr.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "core/language/english_plurals.h"

namespace cv {
namespace {

std::atomic<TextLookup> g_lookup{nullptr};
thread_local int t_sourceOnly = 0;

TextLookup CurrentLookup() { return t_sourceOnly > 0 ? nullptr : g_lookup.load(); }

int Compare(const EnglishPlural& entry, const char* context, const char* source, const char* comment) {
    if (const int c = std::strcmp(entry.context, context)) return c;
    if (const int c = std::strcmp(entry.source, source)) return c;
    return std::strcmp(entry.comment, comment);
}

}  // namespace

std::string FillCount(std::string text, int n) {
    if (n < 0) return text;
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

std::string EnglishText(const char* context, const char* source, const char* disambiguation, int n) {
    if (n == 1 && kEnglishPluralCount > 0) {
        const char* comment = disambiguation ? disambiguation : "";
        const EnglishPlural* end = kEnglishPlurals + kEnglishPluralCount;
        const EnglishPlural* found = std::lower_bound(kEnglishPlurals, end, 0, [&](const EnglishPlural& entry, int) {
            return Compare(entry, context, source, comment) < 0;
        });
        if (found != end && Compare(*found, context, source, comment) == 0) return FillCount(found->singular, n);
    }
    return FillCount(source, n);
}

void UseTextLookup(TextLookup lookup) { g_lookup.store(lookup); }

SourceTextsOnly::SourceTextsOnly() { ++t_sourceOnly; }
SourceTextsOnly::~SourceTextsOnly() { --t_sourceOnly; }

std::string Tr(const char* context, const char* source) {
    if (const TextLookup lookup = CurrentLookup())
        return lookup(context, source, nullptr, -1);
    return source;
}

std::string Tr(const char* context, const char* source, const char* disambiguation, int n) {
    if (const TextLookup lookup = CurrentLookup())
        return lookup(context, source, disambiguation, n);
    return EnglishText(context, source, disambiguation, n);
}

}  // namespace cv
