// What only POSIX systems mean: permission bits, symbolic links, a file size
// limit, FIFOs and devices under /dev.

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

    const mode_t oldMask = ::umask(027);
    const TimerFileError error = WriteTimerFile(folder / "new.csv", DefaultRecords());
    ::umask(oldMask);
    ASSERT_EQ(error.kind, TimerFileErrorKind::None);
    EXPECT_EQ(PermissionBits(folder / "new.csv"), 0640u);
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
TEST(ReadTimerFile, SpecialFilesNeitherBlockNorRunOn) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    const std::pair<std::string, TimerFileErrorKind> cases[] = {
        {folder / "fifo", TimerFileErrorKind::TooFewLines},
        {"/dev/zero", TimerFileErrorKind::LineTooLong},
    };
    for (const auto& [path, kind] : cases) {
        const TimerFileContent content = ReadTimerFile(path);
        EXPECT_FALSE(content.ok) << path;
        EXPECT_EQ(content.error.kind, kind) << path;
        EXPECT_EQ(content.error.line, 1) << path;
    }
}

}  // namespace
}  // namespace cv
