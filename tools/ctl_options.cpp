#include "tools/ctl_options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/settings/port_setting.h"
#include "tools/unit_messages.h"

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

std::string DisplayTimerName(const std::string& name) {
    const std::string trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
    const std::string shown = EscapeForDisplay(trimmed);
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
    if (!value || value->empty()) return UsageError(command, std::string(option) + " needs a value", usage);
    if (option == "--port") {
        const std::optional<int> port = ParseCount(*value);
        if (!port || *port < 1 || *port > 0xFFFF)
            return UsageError(command, "--port takes a number from 1 to 65535, not '" + std::string(*value) + "'",
                              usage);
        unit.port = *port;
    } else {
        unit.device = std::string(*value);
    }
    if (unit.port && unit.device) return UsageError(command, "give --port or --device, not both", usage);
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
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths[i] == 0) continue;  // a column with nothing to say takes no room
            if (!line.empty()) line += "  ";
            const std::string padding(widths[i] - row[i].size(), ' ');
            const bool right = i < rightAligned.size() && rightAligned[i];
            line += right ? padding + row[i] : row[i] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace cv
