// What only POSIX systems mean: FIFOs, permission bits, symbolic links and
// read-only folders.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "core/settings/port_setting.h"
#include "core/settings/profile_file.h"
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

}  // namespace
}  // namespace cv
