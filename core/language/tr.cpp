#include "core/language/tr.h"

#include <atomic>

namespace cv {
namespace {

std::atomic<TextLookup> g_lookup{nullptr};
thread_local int t_sourceOnly = 0;

TextLookup CurrentLookup() { return t_sourceOnly > 0 ? nullptr : g_lookup.load(); }

std::string FillCount(std::string text, int n) {
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

}  // namespace

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
    return FillCount(source, n);
}

}  // namespace cv
