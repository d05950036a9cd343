#include "core/timers/time_forms.h"

#include <algorithm>
#include <string>

namespace cv {

namespace {

constexpr std::string_view kHourWords[] = {"h", "hr", "hrs", "hs", "hour", "hours", "heure", "heures", "hora", "horas"};
constexpr std::string_view kMinuteWords[] = {"m", "mn", "min", "mins", "minute", "minutes", "minuto", "minutos"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (Lower(c) >= 'a' && Lower(c) <= 'z'); }

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : Lower(text_[pos_]); }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\xA0')) ++pos_;
    }
    // A number of `least` to `most` digits; nullopt when the digits here are fewer or more.
    std::optional<int> Number(std::size_t least, std::size_t most) {
        std::size_t count = 0;
        int value = 0;
        while (!AtEnd() && IsDigit(text_[pos_])) {
            if (++count > most) return std::nullopt;
            value = value * 10 + (text_[pos_++] - '0');
        }
        return count < least ? std::nullopt : std::optional<int>(value);
    }
    std::string Word() {
        std::string word;
        while (!AtEnd() && IsLetter(text_[pos_])) word += Lower(text_[pos_++]);
        return word;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

template <std::size_t N>
bool OneOf(const std::string& word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

}  // namespace

std::optional<MinutesOfDay> MinutesMeantBy(std::string_view text) {
    Scanner scan(text);
    scan.SkipBlanks();
    std::optional<int> hours = scan.Number(1, 4);
    if (!hours) return std::nullopt;
    int minutes = 0;
    bool localForm = false;
    scan.SkipBlanks();
    if (scan.Peek() == ':' || scan.Peek() == '.') {
        localForm = scan.Peek() == '.';
        scan.Take(scan.Peek());
        const std::optional<int> digits = scan.Number(2, 2);
        if (!digits) return std::nullopt;
        minutes = *digits;
    } else if (scan.Peek() == 'h') {
        if (!OneOf(scan.Word(), kHourWords)) return std::nullopt;
        localForm = true;
        scan.SkipBlanks();
        if (const std::optional<int> digits = scan.Number(1, 2)) {
            minutes = *digits;
            scan.SkipBlanks();
            if (IsLetter(scan.Peek()) && scan.Peek() != 'a' && scan.Peek() != 'p' && !OneOf(scan.Word(), kMinuteWords))
                return std::nullopt;
        }
    }
    scan.SkipBlanks();
    std::optional<bool> pm;
    if (scan.Peek() == 'a' || scan.Peek() == 'p') {
        pm = scan.Peek() == 'p';
        scan.Take(scan.Peek());
        scan.Take('.');
        scan.SkipBlanks();
        if (scan.Take('m')) scan.Take('.');
        localForm = true;
    }
    scan.SkipBlanks();
    if (!localForm || !scan.AtEnd() || minutes >= 60) return std::nullopt;
    if (pm) {
        if (*hours < 1 || *hours > 12) return std::nullopt;
        *hours %= 12;
        if (*pm) *hours += 12;
    }
    const int total = *hours * 60 + minutes;
    if (total > 0xFFFF) return std::nullopt;
    return static_cast<MinutesOfDay>(total);
}

}  // namespace cv
