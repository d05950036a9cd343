#include "core/settings/recent_files.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace cv {
namespace {

TEST(RecentFiles, NewestFirstFiveAtMostNoRepeats) {
    TempFolder folder;
    const std::string settings = folder.File("CVTimerSystem.ini");
    for (const char* path : {"/a.csv", "/b.csv", "/c.csv", "/d.csv", "/e.csv", "/f.csv", "/c.csv"})
        ASSERT_TRUE(RememberRecentFile(settings, path));
    EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{"/c.csv", "/f.csv", "/e.csv", "/d.csv", "/b.csv"}));

    ASSERT_TRUE(ForgetRecentFile(settings, "/e.csv"));
    EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{"/c.csv", "/f.csv", "/d.csv", "/b.csv"}));
}

TEST(RecentFiles, AwkwardPathsReadBackExactly) {
    TempFolder folder;
    const std::string settings = folder.File("CVTimerSystem.ini");
    const std::string awkward[] = {" /lead and trail.csv ", "\"/quoted\"", "/semi;colon=equals [x].csv"};
    for (const std::string& path : awkward) ASSERT_TRUE(RememberRecentFile(settings, path));
    ASSERT_TRUE(RememberRecentFile(settings, "/line\nbreak.csv"));  // cannot be kept: left out
    EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{awkward[2], awkward[1], awkward[0]}));
}

}  // namespace
}  // namespace cv
