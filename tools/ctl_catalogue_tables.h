#pragma once
// The translations of the catalogues as constant data, made at build time by
// scripts/catalogue-tables (ctl_catalogue_tables.cpp in the build folder).

namespace cv {

struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* comment;   // lupdate's disambiguation, "" for none
    const char* text;      // the translation, or the first plural form
    const char* plural;    // the second plural form; nullptr for a text without %n
};

struct CatalogueTable {
    const char* language;  // "en", "es", "fr"
    const CatalogueEntry* entries;  // sorted by context, source, comment (strcmp)
    int count;
};

extern const CatalogueTable kCatalogueTables[];
extern const int kCatalogueTableCount;

}  // namespace cv
