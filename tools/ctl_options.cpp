#include "tools/ctl_options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/language/tr.h"
#include "core/settings/port_setting.h"
#include "core/timers/sentence.h"
#include "core/timers/utf8_text.h"

namespace cv {

bool ArgumentReader::AtEnd() const {
    return next_ >= argc_ || (!optionsEnded_ && next_ + 1 == argc_ && std::string_view(argv_[next_]) == "--");
}

std::string_view ArgumentReader::Next() {
    current_ = next_++;
    inlineValue_.reset();
    std::string_view argument = argv_[current_];
    if (!optionsEnded_ && argument == "--") {
        optionsEnded_ = true;
        current_ = next_++;
        argument = argv_[current_];
    }
    isOption_ = !optionsEnded_ && argument.size() > 1 && argument[0] == '-';
    if (isOption_) {
        if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
            inlineValue_ = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
    }
    return argument;
}

std::optional<std::string_view> ArgumentReader::TakeValue() {
    if (inlineValue_) return inlineValue_;
    if (next_ >= argc_) return std::nullopt;
    return std::string_view(argv_[next_++]);
}

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // from_chars takes a sign; a count has none, not even in "-0".
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Bidi_Control characters and the line and paragraph separators: each could
// make a line of the table read otherwise than it is.
bool TurnsOrBreaksLines(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Characters, not bytes: every UTF-8 byte but a continuation byte starts one.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = Utf8SequenceLength(utf8, i);
        const std::u32string character = length == 0 ? U"" : CodePointsFromUtf8(utf8.substr(i, length));
        char escaped[16];
        if (length == 0 || IsControl(character[0])) {
            const unsigned value = length == 0 ? static_cast<unsigned char>(utf8[i]) : unsigned{character[0]};
            std::snprintf(escaped, sizeof escaped, "\\x%02x", value);
            shown += escaped;
        } else if (TurnsOrBreaksLines(character[0])) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned{character[0]});
            shown += escaped;
        } else {
            shown.append(utf8, i, length);
        }
        i += length == 0 ? 1 : length;
    }
    return shown;
}

std::string DisplayTimerName(std::string_view name) {
    const std::string_view trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
    const std::string shown = TerminalText(trimmed);
    // Straight quotes in every language: they bound the blanks exactly, where
    // French « » would add blanks of their own.
    if (trimmed.empty() || trimmed.front() == ' ') return "\"" + shown + "\"";
    return shown;
}

bool WarnIfSettingsUnread(const std::string& settingsPath) {
    const std::string problem = DescribeSettingsFileProblem(settingsPath);
    if (problem.empty()) return false;
    std::fprintf(stderr, "cvtimerctl: %s\n", problem.c_str());
    return true;
}

int TakeUnitOption(ArgumentReader& arguments, std::string_view option, const char* command, const char* usage,
                   UnitOptions& unit) {
    if (option != "--port" && option != "--device") return -2;
    const std::optional<std::string_view> value = arguments.TakeValue();
    if (!value || value->empty()) return UsageError(command, FillPlaceholders(Tr("CtlUsage", "%1 needs a value"), {option}), usage);
    if (option == "--port") {
        const std::optional<int> port = ParseCount(*value);
        if (!port || *port < 1 || *port > 0xFFFF)
            return UsageError(command,
                              FillPlaceholders(Tr("CtlUsage", "--port takes a number from 1 to 65535, not '%1'"), {*value}),
                              usage);
        unit.port = *port;
    } else {
        unit.device = std::string(*value);
    }
    if (unit.port && unit.device) return UsageError(command, Tr("CtlUsage", "give --port or --device, not both"), usage);
    return -1;
}

int UsageError(const char* command, const std::string& message, const char* usage) {
    std::fprintf(stderr, "cvtimerctl %s: %s\n\n%s", command, message.c_str(), usage);
    return 2;
}

void PrintTable(const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& rightAligned) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size());
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], CharacterCount(row[i]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths[i] == 0) continue;  // a column with nothing to say takes no room
            if (!line.empty()) line += "  ";
            const std::string padding(widths[i] - CharacterCount(row[i]), ' ');
            const bool right = i < rightAligned.size() && rightAligned[i];
            line += right ? padding + row[i] : row[i] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace cv
