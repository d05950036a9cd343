#include "core/settings/port_setting.h"

#include <gtest/gtest.h>

#include "core/settings/folder_paths.h"
#include "tests/temp_folder.h"
#include "tests/test_platform.h"

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
    EXPECT_EQ(PathFromUtf8(path), PathFromUtf8(folder.Path()) / "CVTimerSystem.ini");
    ASSERT_TRUE(WritePortNumber(path, 3));
    EXPECT_EQ(ReadBytes(path), "[SerialComm]\nPortNo=3\n");
    ASSERT_TRUE(WritePortNumber(path, 65535));
    EXPECT_EQ(ReadPortNumber(path), 65535);
}

TEST(WritePortNumber, FailedWriteLeavesTheOldFile) {
    TempFolder folder;
    EXPECT_FALSE(WritePortNumber(folder.File("missing/CVTimerSystem.ini"), 2));
}

TEST(WritePortNumber, ReadOnlyFileIsLeftAsItWas) {
    if (!ReadOnlyIsEnforced()) GTEST_SKIP() << "root writes into read-only files anyway";
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "; mine\n[SerialComm]\nPortNo=4\n");
    ASSERT_TRUE(SetReadOnly(path, true));
    EXPECT_FALSE(WritePortNumber(path, 2));
    ASSERT_TRUE(SetReadOnly(path, false));
    EXPECT_EQ(ReadBytes(path), "; mine\n[SerialComm]\nPortNo=4\n");
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
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(PathFromUtf8(folder.Path()));
    EXPECT_EQ(StartFolder(), first);
    std::filesystem::current_path(before);
}

}  // namespace
}  // namespace cv
