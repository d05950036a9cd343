#include "timerfile/timer_file_io.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "sheet/timer_table.h"
#include "tests/timerfile/temp_folder.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

TimerRecords DefaultRecords() {
    TimerRecords records;
    for (int i = 0; i < kTimerCount; ++i) records[i] = RecordFromTexts(DefaultColumnTexts(i));
    return records;
}

mode_t PermissionBits(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(WriteTimerFile, SavesTheFormattedLinesAndNothingElse) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    const TimerFileError error = WriteTimerFile(path, DefaultRecords());
    EXPECT_EQ(error.kind, TimerFileErrorKind::None) << TimerFileErrorDetailText(error);
    EXPECT_EQ(ReadBytes(path), FormatTimerFile(DefaultRecords()));
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
}

TEST(WriteTimerFile, NamesAndPrioritiesSurviveSaveAndLoad) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    TimerRecords records = DefaultRecords();
    records[0].name = std::string(20, ' ');
    records[1].name = "Twenty-five characters...";
    records[2].name = "Fries, large, salted";
    records[3].priority = -1;
    records[4] = {"Wide", 65535, 1439, 0, 1234};
    ASSERT_EQ(WriteTimerFile(path, records).kind, TimerFileErrorKind::None);
    EXPECT_NE(ReadBytes(path).find("Twenty-five characters...,0370,0240,0003,0001\n"), std::string::npos);
    EXPECT_NE(ReadBytes(path).find(",0003,65535\n"), std::string::npos);

    const TimerFileContent back = ReadTimerFile(path);
    ASSERT_TRUE(back.ok) << TimerFileErrorDetailText(back.error);
    records[3].priority = 65535;
    for (TimerRecord& record : records) record.name.resize(std::max<std::size_t>(record.name.size(), 20), ' ');
    EXPECT_EQ(back.records, records);
}

TEST(WriteTimerFile, ReplacesAnExistingFileKeepingItsPermissionsAndLinks) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "old contents\n");
    ::chmod(path.c_str(), 0640);
    fs::create_symlink("timers.csv", folder / "link.csv");

    ASSERT_EQ(WriteTimerFile(folder / "link.csv", DefaultRecords()).kind, TimerFileErrorKind::None);
    EXPECT_EQ(ReadBytes(path), FormatTimerFile(DefaultRecords()));
    EXPECT_EQ(PermissionBits(path), 0640u);
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));

    const mode_t oldMask = ::umask(027);
    const TimerFileError error = WriteTimerFile(folder / "new.csv", DefaultRecords());
    ::umask(oldMask);
    ASSERT_EQ(error.kind, TimerFileErrorKind::None);
    EXPECT_EQ(PermissionBits(folder / "new.csv"), 0640u);
}

TEST(WriteTimerFile, PathsThatCannotBeCreatedTouchNothing) {
    TempFolder folder;
    fs::create_directory(folder / "sub");
    WriteBytes(folder / "sub/keep.txt", "keep");
    struct Case {
        std::string path;
        int err;
    };
    const Case cases[] = {
        {folder / "missing/timers.csv", ENOENT},
        {folder / "sub", EISDIR},
        {folder / "sub/", EISDIR},
        {folder / "sub/keep.txt/timers.csv", ENOTDIR},
        {"", ENOENT},
    };
    for (const Case& c : cases) {
        const TimerFileError error = WriteTimerFile(c.path, DefaultRecords());
        EXPECT_EQ(error.kind, TimerFileErrorKind::CannotCreate) << c.path;
        EXPECT_EQ(error.path, c.path);
        EXPECT_EQ(error.systemText, std::strerror(c.err)) << c.path;
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"sub"}));
    EXPECT_EQ(fs::directory_entry(folder / "sub").is_directory(), true);
    EXPECT_EQ(ReadBytes(folder / "sub/keep.txt"), "keep");
}

TEST(WriteTimerFile, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "read only\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(WriteTimerFile(path, DefaultRecords()).kind, TimerFileErrorKind::CannotCreate);
    EXPECT_EQ(ReadBytes(path), "read only\n");
}

// The file size limit cuts the temporary file's write short, as a full disk would.
TEST(WriteTimerFile, FailedWriteLeavesTheOldFileAsItWas) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    const std::string old = "an older timer file\n";
    WriteBytes(path, old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const TimerFileError error = WriteTimerFile(path, DefaultRecords());
        const bool asExpected = error.kind == TimerFileErrorKind::WriteFailed &&
                                error.systemText == std::strerror(EFBIG);
        ::_exit(asExpected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
}

TEST(ReadTimerFile, UnreadablePathsAreCannotOpen) {
    TempFolder folder;
    for (const std::string& path : {folder / "missing.csv", folder.path(), std::string()}) {
        const TimerFileContent content = ReadTimerFile(path);
        EXPECT_FALSE(content.ok) << path;
        EXPECT_EQ(content.error.kind, TimerFileErrorKind::CannotOpen) << path;
        EXPECT_EQ(content.error.path, path);
        EXPECT_FALSE(content.error.systemText.empty());
    }
}

TEST(ReadTimerFile, BadContentNamesTheFile) {
    TempFolder folder;
    const std::string path = folder / "short.csv";
    WriteBytes(path, "Hands Washing,1,2,3,4\r\n");
    const TimerFileContent content = ReadTimerFile(path);
    EXPECT_EQ(content.error.kind, TimerFileErrorKind::TooFewLines);
    EXPECT_EQ(content.error.line, 2);
    EXPECT_EQ(content.error.path, path);
}

// Neither of these may block or read without end; a fault shows as a test timeout.
TEST(ReadTimerFile, EndlessOrSilentSourcesAreRefusedAtOnce) {
    const TimerFileContent zero = ReadTimerFile("/dev/zero");
    EXPECT_EQ(zero.error.kind, TimerFileErrorKind::LineTooLong);
    EXPECT_EQ(zero.error.line, 1);

    TempFolder folder;
    const std::string fifo = folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const TimerFileContent silent = ReadTimerFile(fifo);
    EXPECT_EQ(silent.error.kind, TimerFileErrorKind::TooFewLines);
    EXPECT_EQ(silent.error.line, 1);
}

}  // namespace
}  // namespace cv
