#include "core/timerfile/timer_file_io.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/core/timerfile/test_support.h"
#include "tests/test_platform.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

TEST(WriteTimerFile, NamesAndPrioritiesSurviveSaveAndLoad) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    TimerRecords records = DefaultRecords();
    records[0].name = std::string(20, ' ');
    records[1].name = "Twenty-five characters...";
    records[2].name = "Fries, large, salted";
    records[3].priority = -1;
    ASSERT_EQ(WriteTimerFile(path, records).kind, TimerFileErrorKind::None);
    EXPECT_EQ(ReadBytes(path), FormatTimerFile(records));
    EXPECT_NE(ReadBytes(path).find(",0003,65535\n"), std::string::npos);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});

    const TimerFileContent back = ReadTimerFile(path);
    ASSERT_TRUE(back.ok) << TimerFileErrorDetailText(back.error);
    records[3].priority = 65535;
    for (TimerRecord& record : records) {
        if (record.name.size() < 20) record.name.resize(20, ' ');
    }
    EXPECT_EQ(back.records, records);
}

// File names are UTF-8 wherever they go, so a folder with any name works.
TEST(WriteTimerFile, FolderNamesBeyondAsciiWork) {
    TempFolder folder;
    const std::string kitchen = folder / "K\xC3\xBC" "che";
    ASSERT_TRUE(fs::create_directory(PathFromUtf8(kitchen)));
    const std::string path = kitchen + "/timers.csv";
    ASSERT_EQ(WriteTimerFile(path, DefaultRecords()).kind, TimerFileErrorKind::None);
    EXPECT_TRUE(fs::exists(PathFromUtf8(path)));
    const TimerFileContent back = ReadTimerFile(path);
    ASSERT_TRUE(back.ok) << TimerFileErrorDetailText(back.error);
    EXPECT_EQ(FormatTimerFile(back.records), FormatTimerFile(DefaultRecords()));
}

TEST(WriteTimerFile, AnUnsaveableNameLeavesTheFileAlone) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "old\n");
    TimerRecords records = DefaultRecords();
    records[6].name = std::string(120, 'n');
    const TimerFileError error = WriteTimerFile(path, records);
    EXPECT_EQ(error.kind, TimerFileErrorKind::UnsaveableName);
    EXPECT_EQ(error.line, 7);
    EXPECT_EQ(ReadBytes(path), "old\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
}

TEST(WriteTimerFile, PathsThatCannotBeCreatedTouchNothing) {
    TempFolder folder;
    fs::create_directory(PathFromUtf8(folder / "sub"));
    WriteBytes(folder / "sub/keep.txt", "keep");
    const std::pair<std::string, std::string> cases[] = {
        {folder / "missing/timers.csv", MissingFolderText()},
        {folder / "sub", std::strerror(EISDIR)},
        {folder / "sub/", std::strerror(EISDIR)},
        {folder / "sub/keep.txt/t.csv", FileAsFolderText()},
        {"", std::strerror(ENOENT)},
    };
    for (const auto& [path, text] : cases) {
        const TimerFileError error = WriteTimerFile(path, DefaultRecords());
        EXPECT_EQ(error.kind, TimerFileErrorKind::CannotCreate) << path;
        EXPECT_EQ(error.path, path);
        EXPECT_EQ(error.systemText, text) << path;
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"sub"});
    EXPECT_EQ(fs::directory_entry(PathFromUtf8(folder / "sub")).is_directory(), true);
    EXPECT_EQ(ReadBytes(folder / "sub/keep.txt"), "keep");
}

TEST(WriteTimerFile, ReadOnlyFileIsNotReplaced) {
    if (!ReadOnlyIsEnforced()) GTEST_SKIP() << "root may write any file";
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "read only\n");
    ASSERT_TRUE(SetReadOnly(path, true));
    EXPECT_EQ(WriteTimerFile(path, DefaultRecords()).kind, TimerFileErrorKind::CannotCreate);
    EXPECT_EQ(ReadBytes(path), "read only\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
    SetReadOnly(path, false);
}

TEST(ReadTimerFile, RefusesWhatIsNoTimerFile) {
    TempFolder folder;
    WriteBytes(folder / "short.csv", "Hands Washing,1,2,3,4\r\n");
    struct Case {
        std::string path;
        TimerFileErrorKind kind;
        int line;
    };
    const Case cases[] = {
        {folder / "missing.csv", TimerFileErrorKind::CannotOpen, 0},
        {folder.Path(), TimerFileErrorKind::CannotOpen, 0},
        {folder / "short.csv", TimerFileErrorKind::TooFewLines, 2},
    };
    for (const Case& c : cases) {
        const TimerFileContent content = ReadTimerFile(c.path);
        EXPECT_FALSE(content.ok) << c.path;
        EXPECT_EQ(content.error.kind, c.kind) << c.path;
        EXPECT_EQ(content.error.line, c.line) << c.path;
        EXPECT_EQ(content.error.path, c.path);
        EXPECT_EQ(content.error.systemText.empty(), c.kind != TimerFileErrorKind::CannotOpen) << c.path;
    }
}

TEST(ReadTimerFile, ReadsTenOfTheLongestCrlfLinesAfterAByteOrderMark) {
    TempFolder folder;
    std::string file = "\xEF\xBB\xBF";
    for (int i = 0; i < kTimerCount; ++i) file += std::string(119, 'n') + ",1,2,3,4\r\n";
    WriteBytes(folder / "windows.csv", file);
    const TimerFileContent content = ReadTimerFile(folder / "windows.csv");
    ASSERT_TRUE(content.ok) << TimerFileErrorDetailText(content.error);
    EXPECT_EQ(content.records[9], (TimerRecord{std::string(119, 'n'), 1, 2, 3, 4}));

    // In UTF-16 the longest lines take the most bytes with four bytes a character.
    std::string line, text;
    for (int i = 0; i < 123; ++i) line += "\U0001F35F";
    for (int i = 0; i < kTimerCount; ++i) text += line + ",,,,\r\n";
    WriteBytes(folder / "unicode.csv", Utf16(text, false));
    const TimerFileContent wide = ReadTimerFile(folder / "unicode.csv");
    ASSERT_TRUE(wide.ok) << TimerFileErrorDetailText(wide.error);
    EXPECT_EQ(wide.records[9], (TimerRecord{std::string(123, '?'), 0, 0, 0, 0}));
}

}  // namespace
}  // namespace cv
