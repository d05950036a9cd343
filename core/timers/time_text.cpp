#include "core/timers/time_text.h"

#include <cstdio>
#include <optional>

#include "core/timers/lenient_number.h"

namespace cv {

namespace {

enum class Meridiem { Am, Pm };

// A strtok-style scanner: each Next() skips leading delimiters and takes the
// characters up to the next delimiter; the delimiter set may change per step.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next(std::string_view delimiters) {
        while (pos_ < text_.size() && delimiters.find(text_[pos_]) != std::string_view::npos) ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && delimiters.find(text_[pos_]) == std::string_view::npos) ++pos_;
        std::string_view token = text_.substr(start, pos_ - start);
        if (pos_ < text_.size()) ++pos_;  // step over the delimiter that ended the token
        return token;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<Meridiem> AsMeridiem(std::string_view word) {
    word = TrimBlanks(word);
    if (word.size() != 2 || Lower(word[1]) != 'm') return std::nullopt;
    if (Lower(word[0]) == 'a') return Meridiem::Am;
    if (Lower(word[0]) == 'p') return Meridiem::Pm;
    return std::nullopt;
}

// What follows the number that LenientAtoi would read from the token.
std::string_view AfterNumber(std::string_view token) {
    std::size_t i = 0;
    while (i < token.size() && (token[i] == ' ' || (token[i] >= '\t' && token[i] <= '\r'))) ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
    return token.substr(i);
}

}  // namespace

MinutesOfDay ParseTimeText(std::string_view text) {
    Tokenizer tokens(text);
    const std::optional<std::string_view> hourToken = tokens.Next(":");
    if (!hourToken) return 0;

    std::int64_t hours = LenientAtoi(*hourToken);
    std::int64_t minutes = 0;
    std::optional<Meridiem> meridiem;

    if (const std::optional<std::string_view> minuteToken = tokens.Next(" ")) {
        minutes = LenientAtoi(*minuteToken);
        meridiem = AsMeridiem(AfterNumber(*minuteToken));
        if (!meridiem) {
            if (const std::optional<std::string_view> suffix = tokens.Next(" ")) meridiem = AsMeridiem(*suffix);
        }
    } else {
        // No minutes: a plain count of minutes, unless a suffix makes it an hour.
        meridiem = AsMeridiem(AfterNumber(*hourToken));
        if (!meridiem) return static_cast<MinutesOfDay>(static_cast<std::uint64_t>(hours) & 0xFFFFu);
    }

    if (meridiem) {
        if (hours == 12) hours = 0;
        if (*meridiem == Meridiem::Pm) minutes += 720;
    }
    const std::int64_t total = hours * 60 + minutes;
    return static_cast<MinutesOfDay>(static_cast<std::uint64_t>(total) & 0xFFFFu);
}

std::string FormatTimeText(MinutesOfDay minutes) {
    char buffer[16];
    const int m = minutes;
    if (m < 720) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d AM", m / 60, m % 60);
    } else if (m < 1440) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d PM", (m - 720) / 60, (m - 720) % 60);
    } else {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", m / 60, m % 60);
    }
    return buffer;
}

}  // namespace cv
