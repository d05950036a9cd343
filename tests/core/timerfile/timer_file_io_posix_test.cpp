// What only POSIX systems mean: permission bits, symbolic links, a file size
// limit, FIFOs and devices under /dev.

#include "core/timerfile/timer_file_io.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/core/timerfile/test_support.h"
#include "tests/kill_at_random.h"

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

TEST(TimerFileIo, WithoutPermissionNothingIsTouched) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may read and write any file";
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "read only\n");
    ::chmod(path.c_str(), 0000);
    const TimerFileContent unreadable = ReadTimerFile(path);
    EXPECT_EQ(unreadable.error.kind, TimerFileErrorKind::CannotOpen);
    EXPECT_EQ(unreadable.error.systemText, std::strerror(EACCES));

    // A writable file in a folder that is not: renaming over it is impossible.
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0555);
    const TimerFileError inReadOnlyFolder = WriteTimerFile(path, DefaultRecords());
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(inReadOnlyFolder.kind, TimerFileErrorKind::CannotCreate);
    EXPECT_EQ(inReadOnlyFolder.systemText, std::strerror(EACCES));
    EXPECT_EQ(ReadBytes(path), "read only\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
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

// Mounts a 64 KiB tmpfs on folder, seen only by this process and gone with
// it: root mounts in a mount namespace of its own, anyone else in a user
// namespace that maps the user to itself.
bool MountTinyFileSystem(const std::string& folder) {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << uid << " " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << gid << " " << gid << " 1";
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return false;
    }
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0700") == 0;
}

TEST(WriteTimerFile, AFullDiskLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    constexpr int kCannotMount = 77;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!MountTinyFileSystem(folder.Path())) ::_exit(kCannotMount);
        WriteBytes(path, "an older timer file\n");
        const int filler = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::string block(4096, 'f');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
        const TimerFileError error = WriteTimerFile(path, DefaultRecords());
        const bool sound = error.kind == TimerFileErrorKind::WriteFailed &&
                           TimerFileErrorDetailText(error).find("No space left on device") != std::string::npos &&
                           ReadBytes(path) == "an older timer file\n" &&
                           folder.Entries() == std::set<std::string>{"filler", "timers.csv"};
        ::_exit(sound ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotMount) GTEST_SKIP() << "no tmpfs can be mounted here (no root, no user namespaces)";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save into a full file system was not refused cleanly";
}

// Killed at any moment, a save leaves the old or the new file whole, and at
// most the one temporary file that the next save removes.
TEST(WriteTimerFile, KilledMidSaveLeavesTheOldOrTheNewFileWhole) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    TimerRecords changed = DefaultRecords();
    changed[4].name = "Fries, large";
    const std::string contents[] = {FormatTimerFile(DefaultRecords()), FormatTimerFile(changed)};
    WriteBytes(path, contents[0]);
    std::mt19937 random(9);
    int temporariesLeft = 0;
    for (int kill = 0; kill < 300; ++kill) {
        ASSERT_TRUE(KillWhileSaving([&](int round) { WriteTimerFile(path, round % 2 ? changed : DefaultRecords()); },
                                    random));
        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == contents[0] || now == contents[1]) << "after kill " << kill << ":\n" << now;
        ASSERT_LE(folder.Entries().size(), 2u) << "after kill " << kill;
        temporariesLeft += folder.Entries().size() == 2;
    }
    EXPECT_GT(temporariesLeft, 0) << "no kill landed between creating and renaming the temporary file";
    ASSERT_EQ(WriteTimerFile(path, DefaultRecords()).kind, TimerFileErrorKind::None);
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
