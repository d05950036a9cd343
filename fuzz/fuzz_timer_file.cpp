// The timer file format: LF and CRLF files read alike (the CRLF file made by
// putting a byte before each line feed, so not for UTF-16), and a file that loads
// either saves to bytes that load to the same records (unless those bytes
// happen to form UTF-8), or its save is refused for a timer whose line really
// would not load or would load otherwise.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/timerfile/timer_file.h"
#include "fuzz/fuzz_check.h"

namespace {

// What a record becomes once written: the name padded to its column, the
// priority cut to the 16 bits a file keeps.
cv::TimerRecords AsSaved(cv::TimerRecords records) {
    for (cv::TimerRecord& record : records) {
        if (record.name.size() < 20) record.name.resize(20, ' ');
        record.priority = static_cast<std::uint16_t>(record.priority);
    }
    return records;
}

std::string WithCrlf(const std::string& bytes) {
    std::string converted;
    for (char c : bytes) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const cv::TimerFileContent content = cv::ParseTimerFile(bytes);
    if (!content.ok) FUZZ_CHECK(!cv::TimerFileErrorDetailText(content.error).empty());

    const bool utf16Mark = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (bytes.find('\r') == std::string::npos && !utf16Mark) {
        const cv::TimerFileContent crlf = cv::ParseTimerFile(WithCrlf(bytes));
        FUZZ_CHECK(crlf.ok == content.ok);
        if (content.ok) FUZZ_CHECK(crlf.records == content.records);
        if (!content.ok) FUZZ_CHECK(crlf.error.kind == content.error.kind && crlf.error.line == content.error.line);
    }
    if (!content.ok) return 0;

    const std::string saved = cv::FormatTimerFile(content.records);
    const cv::TimerFileContent back = cv::ParseTimerFile(saved);
    if (const auto refused = cv::FindUnsaveableTimer(content.records)) {
        FUZZ_CHECK(refused->line >= 1 && refused->line <= cv::kTimerCount);
        FUZZ_CHECK(!back.ok || back.records != AsSaved(content.records));
        return 0;
    }
    FUZZ_CHECK(back.ok);
    // Latin-1 names whose bytes all form UTF-8 ("Ã©") read back as UTF-8, by design.
    if (back.encoding == cv::TimerFileEncoding::Utf8) return 0;
    FUZZ_CHECK(back.records == AsSaved(content.records));
    FUZZ_CHECK(cv::FormatTimerFile(back.records) == saved);
    return 0;
}
