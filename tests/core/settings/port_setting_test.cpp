#include "core/settings/port_setting.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/kill_at_random.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

TEST(ReadPortNumber, ReadsLikeAtoiKeepingSixteenBits) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"abc", 0}, {"", 0}, {"70000", 4464}, {"-1", 65535}, {"'7'", 7}};
    for (const auto& [value, port] : cases) {
        TempFolder folder;
        const std::string path = SettingsPathIn(folder.Path());
        WriteBytes(path, std::string("[SerialComm]\r\nPortNo=") + value + "\r\n");
        EXPECT_EQ(ReadPortNumber(path), port) << value;
    }
    TempFolder empty;
    EXPECT_EQ(ReadPortNumber(SettingsPathIn(empty.Path())), 1);
}

TEST(WritePortNumber, CreatesTheTwoLineFileAndReadsBack) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    EXPECT_EQ(path, folder.Path() + "/CVTimerSystem.ini");
    ASSERT_TRUE(WritePortNumber(path, 3));
    EXPECT_EQ(ReadBytes(path), "[SerialComm]\nPortNo=3\n");
    ASSERT_TRUE(WritePortNumber(path, 65535));
    EXPECT_EQ(ReadPortNumber(path), 65535);
}

TEST(WritePortNumber, ADanglingLinkStaysALink) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    std::filesystem::create_symlink("kept.ini", path);
    ASSERT_TRUE(WritePortNumber(path, 4));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(ReadBytes(folder.File("kept.ini")), "[SerialComm]\nPortNo=4\n");
}

TEST(WritePortNumber, FailedWriteLeavesTheOldFile) {
    TempFolder folder;
    EXPECT_FALSE(WritePortNumber(folder.File("missing/CVTimerSystem.ini"), 2));
}

TEST(WritePortNumber, WithoutPermissionTheFileIsLeftAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only files and folders anyway";
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "; mine\n[SerialComm]\nPortNo=4\n");
    ASSERT_EQ(::chmod(path.c_str(), 0400), 0);
    EXPECT_FALSE(WritePortNumber(path, 2));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0500), 0);
    EXPECT_FALSE(WritePortNumber(path, 2));
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0700), 0);
    EXPECT_EQ(ReadBytes(path), "; mine\n[SerialComm]\nPortNo=4\n");

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

TEST(ReadPortOverrides, ComKeysInAnyCaseWithAPath) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    const std::string longPath = "/dev/serial/by-id/" + std::string(90, 'u');
    WriteBytes(path,
                              "[SerialComm]\nPortNo=1\n[ports]\n"
                              "COM1=/dev/ttyUSB0\ncom12 = '/dev/ttyACM1'\nCom3=" + longPath + "\n"
                              "COM4=\nCOM0=/dev/a\nCOM01=/dev/b\nCOM5x=/dev/c\nCOM=/dev/d\n"
                              "LPT1=/dev/e\nCOM99999=/dev/f\nCOM1=/dev/second\n");
    const PortOverrides expected = {{1, "/dev/ttyUSB0"}, {3, longPath}, {12, "/dev/ttyACM1"}};
    EXPECT_EQ(ReadPortOverrides(path), expected);
    EXPECT_TRUE(ReadPortOverrides(folder.File("none.ini")).empty());
}

TEST(StartFolder, StaysWhereTheProgramStarted) {
    const std::string first = StartFolder();
    TempFolder folder;
    const std::string before = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(folder.Path().c_str()), 0);
    EXPECT_EQ(StartFolder(), first);
    ASSERT_EQ(::chdir(before.c_str()), 0);
}

}  // namespace
}  // namespace cv
