// What only POSIX systems mean: FIFOs, permission bits, symbolic links and
// read-only folders.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/settings/port_setting.h"
#include "core/settings/profile_file.h"
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

}  // namespace
}  // namespace cv
