#pragma once
// cvtimerctl's texts in the user's language, from the catalogues built into it.

#include <string>

#include "core/language/language_choice.h"

namespace cv {

// The text in language, the plural form that fits n (n < 0: no count) with
// %n filled; the English source when the catalogue has no translation.
std::string LookUpCatalogue(Language language, const char* context, const char* source,
                            const char* disambiguation, int n);

// Makes every cv::Tr answer from language's catalogue.
void UseCatalogue(Language language);

}  // namespace cv
