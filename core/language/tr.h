#pragma once
// Texts for people, in the user's language. Every message the core and
// cvtimerctl show goes through Tr as one whole sentence, with %1 to %9 for
// values (FillPlaceholders) and %n for a count, so that each language orders
// its words and agrees its plurals. lupdate reads Tr as Qt's translate(), so
// the context and the English text must be string literals at the call.
//
// The English text is the key; what comes back is UTF-8.

#include <string>

namespace cv {

std::string Tr(const char* context, const char* source);

// The form of the sentence that fits the count, with %n replaced by it.
// The disambiguation is lupdate's comment argument; pass nullptr.
std::string Tr(const char* context, const char* source, const char* disambiguation, int n);

// Where the texts come from: the window hands its Qt translators' lookup,
// cvtimerctl its own tables. Without one, the English text itself, with %n
// filled and the English singular for a count of 1 ("1 reminder").
// text with each %n replaced by n (unchanged for n < 0): what every lookup
// does to the form it found.
std::string FillCount(std::string text, int n);

using TextLookup = std::string (*)(const char* context, const char* source, const char* disambiguation, int n);
void UseTextLookup(TextLookup lookup);

// The English text with %n filled, in the singular for a count of 1: what Tr
// gives without a lookup, and what a lookup gives for a text its language
// lacks. n < 0: no count.
std::string EnglishText(const char* context, const char* source, const char* disambiguation, int n);

// While one lives, Tr on this thread gives the English source (with %n
// filled): for texts that are data rather than messages, such as the outcome
// line the record of sends keeps, which every version in every language reads.
class SourceTextsOnly {
public:
    SourceTextsOnly();
    ~SourceTextsOnly();
    SourceTextsOnly(const SourceTextsOnly&) = delete;
    SourceTextsOnly& operator=(const SourceTextsOnly&) = delete;
};

}  // namespace cv
