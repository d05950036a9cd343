// What only POSIX systems mean: FIFOs, permission bits, symbolic links and
// read-only folders.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "core/platform/user_folders.h"
#include "core/settings/port_setting.h"
#include "core/settings/profile_file.h"
#include "core/settings/work_folder.h"
#include "tests/kill_at_random.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

TEST(GetProfileString, FifoGivesTheDefaultWithoutBlocking) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
    EXPECT_EQ(GetProfileString(folder.File("fifo"), "S", "K", "1"), "1");
}

TEST(WriteProfileString, KeepsPermissionsAndSymbolicLinks) {
    TempFolder folder;
    const std::string real = folder.File("real.ini");
    const std::string link = folder.File("link.ini");
    WriteBytes(real, "[S]\nK=1\n");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteProfileString(link, "S", "K", "2"));
    EXPECT_EQ(ReadBytes(real), "[S]\nK=2\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);  // no leftovers
}

TEST(WritePortNumber, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders anyway";
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "; mine\n[SerialComm]\nPortNo=4\n");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0500), 0);
    EXPECT_FALSE(WritePortNumber(path, 2));
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0700), 0);
    EXPECT_EQ(ReadBytes(path), "; mine\n[SerialComm]\nPortNo=4\n");
}

TEST(WritePortNumber, ADanglingLinkStaysALink) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    std::filesystem::create_symlink("kept.ini", path);
    ASSERT_TRUE(WritePortNumber(path, 4));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(ReadBytes(folder.File("kept.ini")), "[SerialComm]\nPortNo=4\n");
}

TEST(WritePortNumber, AnUnreadableFileIsNamedAndLeftAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may read any file";
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "; mine\n[SerialComm]\nPortNo=4\n");
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    EXPECT_EQ(DescribeSettingsFileProblem(path), path + " cannot be read: Permission denied. It is left as it is, "
                                                       "and port 1 is used.");
    EXPECT_FALSE(WritePortNumber(path, 2));
    EXPECT_EQ(ReadPortNumber(path), 1);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadBytes(path), "; mine\n[SerialComm]\nPortNo=4\n");
}

TEST(WritePortNumber, KilledMidWriteLeavesTheOldOrTheNewFileWhole) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    const std::string head = "; kept\n[SerialComm]\nPortNo=";
    WriteBytes(path, head + "3\n");
    std::mt19937 random(7);
    for (int kill = 0; kill < 300; ++kill) {
        ASSERT_TRUE(KillWhileSaving([&](int round) { WritePortNumber(path, round % 2 ? 3 : 4); }, random));
        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == head + "3\n" || now == head + "4\n") << "after kill " << kill << ":\n" << now;
        ASSERT_LE(folder.Entries().size(), 2u) << "after kill " << kill;
    }
    ASSERT_TRUE(WritePortNumber(path, 9));
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"CVTimerSystem.ini"});
}

// HOME for the length of a test, with no XDG_CONFIG_HOME to steer past it.
class HomeFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            if (const char* value = std::getenv(name)) saved.emplace_back(name, value);
        }
        ::setenv("HOME", home.Path().c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        ::unsetenv("HOME");
        for (const auto& [name, value] : saved) ::setenv(name.c_str(), value.c_str(), 1);
    }

    TempFolder home;
    std::vector<std::pair<std::string, std::string>> saved;
};

TEST_F(HomeFolderTest, DocumentsIsTheFolderUserDirsNamesOrElseHome) {
    EXPECT_EQ(DocumentsFolder(), home.Path());
    std::filesystem::create_directory(home.File(".config"));
    WriteBytes(home.File(".config/user-dirs.dirs"),
               "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
               "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    const std::string documents = home.File("Dokumente");
    EXPECT_EQ(DocumentsFolder(), documents);
    EXPECT_TRUE(std::filesystem::is_directory(documents)) << "a missing Documents folder is made";
}

TEST_F(HomeFolderTest, AStartFolderWithoutWritePermissionGivesDocuments) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders anyway";
    TempFolder start;
    ASSERT_EQ(::chmod(start.Path().c_str(), 0555), 0);
    const WorkFolder work = ChooseWorkFolder(false, start.Path());
    ::chmod(start.Path().c_str(), 0700);
    EXPECT_EQ(work.folder, home.Path());
    EXPECT_EQ(work.reason, WorkFolder::Reason::StartFolderTakesNoFiles);
}

}  // namespace
}  // namespace cv
