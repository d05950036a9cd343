#include "core/timerfile/timer_file_io.h"

#include <algorithm>

#include "core/platform/whole_file.h"

namespace cv {

namespace {

// In UTF-8: a byte order mark, ten full lines with CRLF endings, each
// character as long as UTF-8 can make it, and one byte more to see that a
// tenth line runs on.
constexpr std::size_t kMostUtf8Bytes = 3 + kTimerCount * (4 * kLongestTimerLine + 2) + 1;
// In UTF-16, two bytes a unit: the mark, ten full lines with CRLF endings,
// each with its four commas and every other character a surrogate pair, and
// one unit more: fewer bytes than in UTF-8, and the read takes the larger.
constexpr std::size_t kMostUtf16Bytes = 2 + kTimerCount * (4 * (kLongestTimerLine - 4) + 2 * 4 + 2 * 2) + 2;
constexpr std::size_t kMostBytesRead = std::max(kMostUtf8Bytes, kMostUtf16Bytes);

}  // namespace

TimerFileContent ReadTimerFile(const std::string& path) {
    TimerFileContent content;
    const WholeFile start = ReadFileStart(path, kMostBytesRead);
    if (!start.Ok()) {
        content.error = {TimerFileErrorKind::CannotOpen, path, 0, start.systemText};
        return content;
    }
    content = ParseTimerFile(start.text);
    if (!content.ok) content.error.path = path;
    return content;
}

TimerFileError WriteTimerFile(const std::string& path, const TimerRecords& records) {
    if (std::optional<TimerFileError> unsaveable = FindUnsaveableTimer(records)) {
        unsaveable->path = path;
        return *unsaveable;
    }
    const FileReplaceResult result = ReplaceFileSafely(path, FormatTimerFile(records));
    switch (result.stage) {
        case FileReplaceResult::Stage::None: return {};
        case FileReplaceResult::Stage::Target:
        case FileReplaceResult::Stage::Create:
            return {TimerFileErrorKind::CannotCreate, path, 0, result.systemText};
        case FileReplaceResult::Stage::Write: break;
    }
    return {TimerFileErrorKind::WriteFailed, path, 0, result.systemText};
}

}  // namespace cv
