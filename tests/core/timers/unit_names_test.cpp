#include "core/timers/unit_names.h"

#include <gtest/gtest.h>

#include "core/timers/unit_text.h"
#include "tests/marked_texts.h"

namespace cv {
namespace {

TEST(FindUnsendableCharacter, BracesAndControlCharactersInWhatGoesOnTheLine) {
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"Fries {large}", 6},
        {"Fries large}", 11},
        {std::string("Tab\tstop"), 3},
        {std::string("Nul\0", 4), 3},
        {"Del\x7f", 3},
        {"Caf\xe9 au lait", std::nullopt},  // Latin-1 letters are text
        {"Walk-in Freezer Doo{r}", std::nullopt},  // the brace is past the 19 characters sent
    };
    for (const auto& [name, position] : cases) EXPECT_EQ(FindUnsendableCharacter(name), position) << name;
    EXPECT_EQ(DescribeUnsendableName(2, "Fries {large}", 6),
              "Timer 3's name holds \"{\" at character 7, which a Corvellan unit cannot take: braces mark where a "
              "message begins and ends. Change the name and send again. Nothing was sent.");
    EXPECT_NE(DescribeUnsendableName(0, "Tab\tstop", 3).find("a control character (0x09) at character 4"),
              std::string::npos);
}

TEST(DescribeUnsendableName, QuotesTheCharacterInTheLanguagesOwnMarks) {
    // « { » in French: the marks come from the catalogue, never from the code.
    const MarkedTexts marked;
    EXPECT_EQ(DescribeUnsendableName(0, "{", 0),
              "[[Timer 1's name holds [[\"{\"]] at character 1, which a Corvellan unit cannot take: braces mark where a "
              "message begins and ends. Change the name and send again. Nothing was sent.]]");
    EXPECT_EQ(DescribeCharacter(U'\u0152'), "[[\"\u0152\"]] (U+0152)");
}

TEST(UnitText, TypographicPunctuationBecomesPlainAndAnyOtherCharacterBeyondLatin1IsNamed) {
    const UnitText text = UnitTextFromUtf8("Chef\u2019s \u201CBest\u201D \u2013 Cr\u00E8me\u2026 \u0152ufs");
    EXPECT_EQ(text.latin1, "Chef's \"Best\" - Cr\xE8me... ?ufs");
    EXPECT_EQ(text.utf8, "Chef's \"Best\" - Cr\u00E8me... \u0152ufs");
    EXPECT_TRUE(text.plainForms);
    ASSERT_EQ(text.foreign.size(), 1u);
    EXPECT_EQ(text.foreign[0].position, 23u);  // as typed: the ellipsis is one character there
    EXPECT_EQ(text.foreign[0].character, U'\u0152');

    std::array<std::string, kTimerCount> names{"Hands Washing", "Caf\u00E9", "Chef\u2019s", "\u0152ufs \u20AC"};
    EXPECT_EQ(FindForeignName(names, NameUse::Send),
              "Timer 4's name holds \"\u0152\" (U+0152) at character 1, which a Corvellan unit cannot show. Change "
              "the name and send again. Nothing was sent.");
    EXPECT_NE(FindForeignName(names, NameUse::Save)->find("Change the name and save again. Nothing was written."),
              std::string::npos);
    names[3] = "Oeufs";
    EXPECT_FALSE(FindForeignName(names, NameUse::Save));
}

}  // namespace
}  // namespace cv
