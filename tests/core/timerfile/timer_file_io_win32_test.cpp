#include "core/timerfile/timer_file_io.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/platform/wide_text.h"
#include "tests/core/timerfile/test_support.h"

namespace cv {
namespace {

// Another program holding the file open without leave to delete it stops the
// rename over it, after the new file was written beside it.
TEST(WriteTimerFile, FailedReplaceLeavesTheOldFileAsItWas) {
    TempFolder folder;
    const std::string path = folder / "timers.csv";
    WriteBytes(path, "an older timer file\n");
    const HANDLE holder = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const TimerFileError error = WriteTimerFile(path, DefaultRecords());
    ::CloseHandle(holder);
    EXPECT_EQ(error.kind, TimerFileErrorKind::WriteFailed);
    EXPECT_FALSE(error.systemText.empty());
    EXPECT_EQ(ReadBytes(path), "an older timer file\n");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"timers.csv"});
}

}  // namespace
}  // namespace cv
