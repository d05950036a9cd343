// Where the program works, on Linux and under Wine alike.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/user_folders.h"
#include "core/settings/work_folder.h"
#include "tests/temp_folder.h"
#include "tests/test_platform.h"

namespace cv {
namespace {

TEST(ChooseWorkFolder, KeepsAWritableStartFolderUnlessDocumentsAreAsked) {
    TempFolder start;
    const WorkFolder kept = ChooseWorkFolder(false, start.Path());
    EXPECT_EQ(kept.folder, start.Path());
    EXPECT_EQ(kept.reason, WorkFolder::Reason::StartFolder);
    EXPECT_TRUE(start.Entries().empty()) << "the test for new files leaves one behind";

    const WorkFolder asked = ChooseWorkFolder(true, start.Path());
    EXPECT_EQ(asked.reason, WorkFolder::Reason::Asked);
    EXPECT_EQ(asked.folder, DocumentsFolder());
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(asked.folder)));
}

TEST(ChooseWorkFolder, AStartFolderThatTakesNoFilesGivesDocuments) {
    const WorkFolder work = ChooseWorkFolder(false, FolderNobodyWritesIn());
    EXPECT_EQ(work.reason, WorkFolder::Reason::StartFolderTakesNoFiles);
    EXPECT_EQ(work.folder, DocumentsFolder());
    EXPECT_EQ(work.startFolder, FolderNobodyWritesIn());
}

}  // namespace
}  // namespace cv
