#include <gtest/gtest.h>

#include "core/language/tr.h"
#include "tools/ctl_catalogue.h"

namespace cv {
namespace {

// The tables here are made from catalogue_sample.ts, read as the French one.
TEST(CtlCatalogue, FrenchTextsWithTheirPluralFormsAndEnglishWhereUntranslated) {
    const struct {
        int n;
        const char* expected;
    } plurals[] = {{0, "0 rappel"}, {1, "1 rappel"}, {2, "2 rappels"}, {11, "11 rappels"}};
    for (const auto& c : plurals)
        EXPECT_EQ(LookUpCatalogue(Language::French, "cvtimerctl", "%n reminders", nullptr, c.n), c.expected);
    EXPECT_EQ(LookUpCatalogue(Language::French, "cvtimerctl", "Timer \"%1\" is empty.", nullptr, -1),
              "La minuterie \xC2\xAB %1 \xC2\xBB est vide.");
    // Unfinished, missing, and a language without tables: the English text.
    EXPECT_EQ(LookUpCatalogue(Language::French, "cvtimerctl", "Not yet translated", nullptr, -1), "Not yet translated");
    EXPECT_EQ(LookUpCatalogue(Language::French, "other", "%n reminders", nullptr, 3), "3 reminders");
    EXPECT_EQ(LookUpCatalogue(Language::Spanish, "cvtimerctl", "%n reminders", nullptr, 0), "0 reminders");

    UseCatalogue(Language::French);
    EXPECT_EQ(Tr("cvtimerctl", "%n reminders", nullptr, 0), "0 rappel");
    UseCatalogue(Language::English);
}

}  // namespace
}  // namespace cv
