#include "tools/ctl_catalogue.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <tuple>

#include "core/language/tr.h"
#include "tools/ctl_catalogue_tables.h"

namespace cv {
namespace {

std::atomic<Language> g_language{Language::English};

const CatalogueTable* TableFor(Language language) {
    const char* code = LanguageCode(language);
    for (int i = 0; i < kCatalogueTableCount; ++i)
        if (std::strcmp(kCatalogueTables[i].language, code) == 0) return &kCatalogueTables[i];
    return nullptr;
}

int Compare(const CatalogueEntry& entry, const char* context, const char* source, const char* comment) {
    if (const int c = std::strcmp(entry.context, context)) return c;
    if (const int c = std::strcmp(entry.source, source)) return c;
    return std::strcmp(entry.comment, comment);
}

// Qt's plural rules for the three languages: French takes the singular for 0.
int PluralForm(Language language, int n) {
    if (language == Language::French) return n < 2 ? 0 : 1;
    return n == 1 ? 0 : 1;
}

std::string LookUpChosen(const char* context, const char* source, const char* disambiguation, int n) {
    return LookUpCatalogue(g_language.load(), context, source, disambiguation, n);
}

}  // namespace

std::string LookUpCatalogue(Language language, const char* context, const char* source,
                            const char* disambiguation, int n) {
    const char* comment = disambiguation ? disambiguation : "";
    if (const CatalogueTable* table = TableFor(language); table && table->count > 0) {
        const CatalogueEntry* end = table->entries + table->count;
        const CatalogueEntry* found = std::lower_bound(
            table->entries, end, 0, [&](const CatalogueEntry& entry, int) {
                return Compare(entry, context, source, comment) < 0;
            });
        if (found != end && Compare(*found, context, source, comment) == 0) {
            const bool second = n >= 0 && found->plural && PluralForm(language, n) == 1;
            return FillCount(second ? found->plural : found->text, n);
        }
    }
    return EnglishText(context, source, disambiguation, n);
}

void UseCatalogue(Language language) {
    g_language.store(language);
    UseTextLookup(&LookUpChosen);
}

}  // namespace cv
