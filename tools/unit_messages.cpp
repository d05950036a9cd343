#include "tools/unit_messages.h"

#include <cstdint>
#include <cstdio>

#include "core/timers/time_text.h"

namespace cv {

namespace {

constexpr std::size_t kNameFieldWidth = 20;
constexpr long long kLargestTime = 65535;

// Walks a message from left to right; every step either consumes what it
// expects or fails, after which the cursor is of no further use.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool Literal(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    // Digits only, between minDigits and maxDigits of them, optionally after a '-'.
    std::optional<long long> Number(std::size_t minDigits, std::size_t maxDigits, bool signAllowed) {
        const bool negative = signAllowed && pos_ < text_.size() && text_[pos_] == '-';
        if (negative) ++pos_;
        const std::size_t start = pos_;
        long long value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (pos_ - start == maxDigits) return std::nullopt;
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (pos_ - start < minDigits) return std::nullopt;
        return negative ? -value : value;
    }

    std::optional<std::string_view> Take(std::size_t count) {
        if (text_.size() - pos_ < count) return std::nullopt;
        std::string_view taken = text_.substr(pos_, count);
        pos_ += count;
        return taken;
    }

    bool AtEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<int> Index(Cursor& cursor) {
    std::optional<long long> index = cursor.Number(1, 1, false);
    if (!index || !cursor.Literal(",")) return std::nullopt;
    return static_cast<int>(*index);
}

std::optional<int> Time(Cursor& cursor) {
    std::optional<long long> minutes = cursor.Number(4, 5, false);
    if (!minutes || *minutes > kLargestTime) return std::nullopt;
    return static_cast<int>(*minutes);
}

std::optional<int> Priority(Cursor& cursor) {
    std::optional<long long> priority = cursor.Number(1, 10, true);
    if (!priority || *priority < INT32_MIN || *priority > INT32_MAX) return std::nullopt;
    return static_cast<int>(*priority);
}

std::string TrimTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

std::string Interval(int minutes) {
    return FormatTimeText(static_cast<MinutesOfDay>(minutes)) + " (" + std::to_string(minutes) + " min)";
}

}  // namespace

std::optional<SettingsMessage> DecodeSettingsMessage(std::string_view message) {
    Cursor cursor(message);
    if (!cursor.Literal("{86,")) return std::nullopt;
    SettingsMessage decoded{};
    std::optional<int> index = Index(cursor);
    if (!index) return std::nullopt;
    decoded.index = *index;
    std::optional<int> priority = Priority(cursor);
    if (!priority || !cursor.Literal(",")) return std::nullopt;
    decoded.priority = *priority;
    std::optional<int> times[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !cursor.Literal(",")) return std::nullopt;
        times[i] = Time(cursor);
        if (!times[i]) return std::nullopt;
    }
    if (!cursor.Literal("}") || !cursor.AtEnd()) return std::nullopt;
    decoded.startTime = *times[0];
    decoded.repeatInterval = *times[1];
    decoded.snoozeTime = *times[2];
    return decoded;
}

std::optional<NameMessage> DecodeNameMessage(std::string_view message) {
    Cursor cursor(message);
    if (!cursor.Literal("{87,")) return std::nullopt;
    std::optional<int> index = Index(cursor);
    if (!index) return std::nullopt;
    std::optional<std::string_view> field = cursor.Take(kNameFieldWidth);
    if (!field || !cursor.Literal("}") || !cursor.AtEnd()) return std::nullopt;
    return NameMessage{*index, TrimTrailingBlanks(*field)};
}

std::string DescribeTimer(const UnitTimer& timer) {
    return "Timer " + std::to_string(timer.index + 1) + " \"" + EscapeForDisplay(timer.name) +
           "\": start " + FormatTimeText(static_cast<MinutesOfDay>(timer.startTime)) + ", repeat " +
           Interval(timer.repeatInterval) + ", snooze " + Interval(timer.snoozeTime) + ", priority " +
           std::to_string(timer.priority);
}

std::string EscapeForDisplay(std::string_view bytes) {
    std::string shown;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            shown += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7f) {
            shown += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    return shown;
}

}  // namespace cv
