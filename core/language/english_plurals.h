#pragma once
// The singular of every %n text, from the English catalogue, made at build
// time by scripts/catalogue-tables (english_plurals.cpp in the build folder).

namespace cv {

struct EnglishPlural {
    const char* context;
    const char* source;
    const char* comment;   // lupdate's disambiguation, "" for none
    const char* singular;  // the text for a count of 1
};

// Sorted by context, source, comment (strcmp).
extern const EnglishPlural kEnglishPlurals[];
extern const int kEnglishPluralCount;

}  // namespace cv
