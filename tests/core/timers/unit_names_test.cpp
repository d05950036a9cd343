#include "core/timers/unit_names.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace cv
