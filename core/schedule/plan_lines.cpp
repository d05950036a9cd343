#include "core/schedule/plan_lines.h"

#include "core/settings/profile_file.h"
#include "core/timerfile/timer_file_text.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

PlanLine ReadLine(std::string_view text, int number) {
    PlanLine line;
    line.number = number;
    line.text = std::string(text);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) return line;
    if (trimmed.front() == ';' || trimmed.front() == '#') {
        line.kind = PlanLine::Kind::Comment;
        return line;
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        const std::string_view after = close == std::string_view::npos ? "" : Trim(trimmed.substr(close + 1));
        if (close == std::string_view::npos || !(after.empty() || after.front() == ';' || after.front() == '#')) {
            line.kind = PlanLine::Kind::Other;
            return line;
        }
        line.kind = PlanLine::Kind::Section;
        line.name = std::string(Trim(trimmed.substr(1, close - 1)));
        return line;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        line.kind = PlanLine::Kind::Other;
        return line;
    }
    line.kind = PlanLine::Kind::Key;
    line.name = std::string(Trim(trimmed.substr(0, equals)));
    line.value = std::string(Unquoted(Trim(trimmed.substr(equals + 1))));
    return line;
}

}  // namespace

PlanText DecodePlanText(std::string_view bytes) {
    PlanText text;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        text.encoding = PlanText::Encoding::Utf16;
        return text;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        text.encoding = PlanText::Encoding::Utf8WithMark;
    }
    if (IsUtf8(bytes)) {
        text.utf8 = std::string(bytes);
        return text;
    }
    text.encoding = PlanText::Encoding::Windows1252;
    for (const char byte : bytes) AppendUtf8(text.utf8, Windows1252Character(static_cast<unsigned char>(byte)));
    return text;
}

std::vector<PlanLine> SplitPlanLines(std::string_view utf8) {
    std::vector<PlanLine> lines;
    std::size_t at = 0;
    int number = 0;
    while (at < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = utf8.size();
        lines.push_back(ReadLine(utf8.substr(at, end - at), ++number));
        at = end + (utf8.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

bool SamePlanName(std::string_view a, std::string_view b) { return SameProfileName(a, b); }

}  // namespace cv
