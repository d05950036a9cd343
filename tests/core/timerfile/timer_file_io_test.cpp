#include "core/timerfile/timer_file_io.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/core/timerfile/test_support.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

mode_t PermissionBits(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

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

TEST(WriteTimerFile, KeepsPermissionsAndLinks) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "old contents\n");
    ::chmod(path.c_str(), 0640);
    fs::create_symlink("timers.csv", folder / "link.csv");

    ASSERT_EQ(WriteTimerFile(folder / "link.csv", DefaultRecords()).kind, TimerFileErrorKind::None);
    EXPECT_EQ(ReadBytes(path), FormatTimerFile(DefaultRecords()));
    EXPECT_EQ(PermissionBits(path), 0640u);
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));

    // A link whose file is gone, relative to its own folder: the file is made anew.
    fs::create_directory(folder / "sub");
    fs::create_symlink("../later.csv", folder / "sub/dangling.csv");
    ASSERT_EQ(WriteTimerFile(folder / "sub/dangling.csv", DefaultRecords()).kind, TimerFileErrorKind::None);
    EXPECT_TRUE(fs::is_symlink(folder / "sub/dangling.csv"));
    EXPECT_EQ(ReadBytes(folder / "later.csv"), FormatTimerFile(DefaultRecords()));

    const mode_t oldMask = ::umask(027);
    const TimerFileError error = WriteTimerFile(folder / "new.csv", DefaultRecords());
    ::umask(oldMask);
    ASSERT_EQ(error.kind, TimerFileErrorKind::None);
    EXPECT_EQ(PermissionBits(folder / "new.csv"), 0640u);
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
    fs::create_directory(folder / "sub");
    WriteBytes(folder / "sub/keep.txt", "keep");
    const std::pair<std::string, int> cases[] = {
        {folder / "missing/timers.csv", ENOENT}, {folder / "sub", EISDIR}, {folder / "sub/", EISDIR},
        {folder / "sub/keep.txt/t.csv", ENOTDIR}, {"", ENOENT},
    };
    for (const auto& [path, err] : cases) {
        const TimerFileError error = WriteTimerFile(path, DefaultRecords());
        EXPECT_EQ(error.kind, TimerFileErrorKind::CannotCreate) << path;
        EXPECT_EQ(error.path, path);
        EXPECT_EQ(error.systemText, std::strerror(err)) << path;
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"sub"});
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
    WriteBytes(path, "an older timer file\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const TimerFileError error = WriteTimerFile(path, DefaultRecords());
        ::_exit(error.kind == TimerFileErrorKind::WriteFailed && error.systemText == std::strerror(EFBIG) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(path), "an older timer file\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
}

// /dev/zero and a FIFO without a writer must neither block nor be read without end:
// a fault there shows as a test timeout.
TEST(ReadTimerFile, RefusesWhatIsNoTimerFile) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
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
        {folder / "fifo", TimerFileErrorKind::TooFewLines, 1},
        {"/dev/zero", TimerFileErrorKind::LineTooLong, 1},
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

}  // namespace
}  // namespace cv
