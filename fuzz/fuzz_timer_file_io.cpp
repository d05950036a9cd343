// Timer files through real files: a save replaces the file (or the file a
// link points to, even a dangling one) with exactly the ten lines, keeps the
// old file's permission bits and the link, and leaves no temporary file; a
// refused save leaves the folder exactly as it was; what was saved loads back
// (the same, unless its bytes happen to form UTF-8).

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "core/timerfile/timer_file_io.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

enum class Before { Nothing, File, Link, DanglingLink };


std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string path = entry.path().string();
        if (fs::is_symlink(entry.symlink_status())) {
            entries[entry.path().filename()] = "-> " + fs::read_symlink(path).string();
        } else {
            std::ifstream in(path, std::ios::binary);
            entries[entry.path().filename()] = {std::istreambuf_iterator<char>(in), {}};
        }
    }
    return entries;
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    FUZZ_CHECK(stat(path.c_str(), &status) == 0);
    return status.st_mode & 07777;
}

// Records from the input: a timer file when it is one, otherwise names and
// numbers cut straight from the bytes (long names, line feeds and all).
cv::TimerRecords RecordsFrom(const std::string& bytes) {
    const cv::TimerFileContent content = cv::ParseTimerFile(bytes);
    if (content.ok) return content.records;
    cv::TimerRecords records;
    const std::size_t share = bytes.size() / cv::kTimerCount;
    for (int i = 0; i < cv::kTimerCount; ++i) {
        records[i].name = bytes.substr(i * share, share);
        records[i].startTime = static_cast<cv::MinutesOfDay>(share * 61 + i);
        records[i].priority = static_cast<std::int32_t>(share) - i;
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static constexpr mode_t kModes[] = {0600, 0640, 0644, 0660, 0664, 0666, 0604, 0700};
    const mode_t mode = kModes[data[0] % 8];
    const auto before = static_cast<Before>(data[1] % 4);
    const cv::TimerRecords records = RecordsFrom(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));

    const std::string& folder = cv::ScratchFolderPath();
    const std::string path = folder + "/timers.csv";
    const std::string file = before == Before::Link || before == Before::DanglingLink ? folder + "/real.csv" : path;
    if (before == Before::Link || before == Before::DanglingLink) fs::create_symlink("real.csv", path);
    if (before != Before::Nothing && before != Before::DanglingLink) {
        std::ofstream(file, std::ios::binary) << "old contents\n";
        FUZZ_CHECK(chmod(file.c_str(), mode) == 0);
    }
    const auto snapshot = Snapshot(folder);
    const mode_t umaskNow = umask(0);
    umask(umaskNow);

    const cv::TimerFileError error = cv::WriteTimerFile(path, records);
    if (cv::FindUnsaveableTimer(records)) {
        FUZZ_CHECK(error.kind == cv::TimerFileErrorKind::UnsaveableName);
        FUZZ_CHECK(Snapshot(folder) == snapshot);
    } else {
        FUZZ_CHECK(error.kind == cv::TimerFileErrorKind::None);
        auto expected = snapshot;
        expected[fs::path(file).filename()] = cv::FormatTimerFile(records);
        FUZZ_CHECK(Snapshot(folder) == expected);  // no temporary file, the link kept
        const bool existed = before == Before::File || before == Before::Link;
        FUZZ_CHECK(ModeOf(file) == (existed ? mode : 0666 & ~umaskNow));
        const cv::TimerFileContent back = cv::ReadTimerFile(path);
        FUZZ_CHECK(back.ok);
        // Latin-1 names whose bytes all form UTF-8 ("Ã©") read back as UTF-8, by design.
        if (back.encoding != cv::TimerFileEncoding::Utf8)
            FUZZ_CHECK(cv::FormatTimerFile(back.records) == cv::FormatTimerFile(records));
    }
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
    return 0;
}
