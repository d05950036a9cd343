#include "core/schedule/plan_words.h"

#include <algorithm>
#include <cstdio>

#include "core/timers/time_text.h"

namespace cv {

namespace {

constexpr const char* kWeekdayWords[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* kWeekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> WeekdayFromWord(std::string_view word) {
    for (int day = 0; day < 7; ++day) {
        if (SameWord(word, kWeekdayWords[day]) || SameWord(word, kWeekdayNames[day])) return day;
    }
    return std::nullopt;
}

// The words of text, split at commas and blanks.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (IsBlank(text[at]) || text[at] == ',')) ++at;
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at]) && text[at] != ',') ++at;
        if (at > start) words.push_back(text.substr(start, at - start));
    }
    return words;
}

}  // namespace

std::optional<MinutesOfDay> ParsePlanStart(std::string_view text) {
    std::size_t at = 0;
    const auto number = [&](std::size_t most) {
        int value = 0;
        std::size_t digits = 0;
        while (at < text.size() && IsDigit(text[at]) && digits < most) value = value * 10 + (text[at++] - '0'), ++digits;
        return digits == 0 ? -1 : value;
    };
    while (at < text.size() && IsBlank(text[at])) ++at;
    const int hour = number(2);
    if (hour < 0) return std::nullopt;
    int minute = 0;
    const bool colon = at < text.size() && text[at] == ':';
    if (colon) {
        ++at;
        const std::size_t before = at;
        minute = number(2);
        if (at - before != 2 || minute > 59) return std::nullopt;
    }
    while (at < text.size() && IsBlank(text[at])) ++at;
    std::string_view rest = text.substr(at);
    while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
    const bool twelveHour = SameWord(rest, "AM") || SameWord(rest, "PM");
    if (!rest.empty() && !twelveHour) return std::nullopt;
    if (twelveHour ? hour < 1 || hour > 12 : !colon || hour > 23) return std::nullopt;
    // The sheet's own reading of the same text, so a plan and a sheet never disagree.
    char canonical[16];
    std::snprintf(canonical, sizeof canonical, "%d:%02d %.2s", hour, minute, twelveHour ? rest.data() : "");
    return ParseTimeText(canonical);
}

std::string FormatPlanStart(MinutesOfDay start) {
    const int hour = start / 60 % 24;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, start % 60, hour < 12 ? "AM" : "PM");
    return text;
}

std::optional<WeekdaySet> ParsePlanDays(std::string_view text, std::string& wrong) {
    // "Every day", with any blanks between and around its words.
    const std::vector<std::string_view> plain = Words(text);
    if (plain.size() == 2 && SameWord(plain[0], "every") && SameWord(plain[1], "day")) return kEveryDay;
    // A range may be written with blanks around its dash: "Mon - Fri".
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsBlank(text[i])) {
            std::size_t next = i;
            while (next < text.size() && IsBlank(text[next])) ++next;
            const bool besideDash = (next < text.size() && text[next] == '-') || (!joined.empty() && joined.back() == '-');
            if (besideDash) {
                i = next - 1;
                continue;
            }
        }
        joined += text[i];
    }
    WeekdaySet days = 0;
    for (const std::string_view word : Words(joined)) {
        const std::size_t dash = word.find('-');
        const std::optional<int> first = WeekdayFromWord(word.substr(0, dash));
        const std::optional<int> last = dash == std::string_view::npos ? first : WeekdayFromWord(word.substr(dash + 1));
        if (!first || !last) {
            wrong = std::string(!first ? word.substr(0, dash) : word.substr(dash + 1));
            return std::nullopt;
        }
        for (int day = *first;; day = (day + 1) % 7) {
            days |= WeekdayBit(day);
            if (day == *last) break;
        }
    }
    if (days == 0) wrong = "";
    return days == 0 ? std::nullopt : std::optional<WeekdaySet>(days);
}

std::string WeekdayWord(int weekday) { return kWeekdayWords[((weekday % 7) + 7) % 7]; }

std::string FormatPlanDays(WeekdaySet days) {
    days &= kEveryDay;
    if (days == kEveryDay) return "Every day";
    if (days == 0) return "";
    // Start after a day that is not in the set, so a run across Sunday stays whole.
    int start = 0;
    while (days & WeekdayBit(start)) ++start;
    std::string text;
    for (int offset = 1; offset <= 7; ++offset) {
        const int day = (start + offset) % 7;
        if (!(days & WeekdayBit(day))) continue;
        int length = 1;
        while (offset + length <= 7 && (days & WeekdayBit((day + length) % 7)) && (start + offset + length) % 7 != start)
            ++length;
        const int last = (day + length - 1) % 7;
        if (!text.empty()) text += ", ";
        if (length >= 3) text += WeekdayWord(day) + "-" + WeekdayWord(last);
        else if (length == 2) text += WeekdayWord(day) + ", " + WeekdayWord(last);
        else text += WeekdayWord(day);
        offset += length - 1;
    }
    return text;
}

std::optional<std::vector<CivilDate>> ParsePlanDates(std::string_view text, std::string& wrong) {
    std::vector<CivilDate> dates;
    for (const std::string_view word : Words(text)) {
        const std::optional<CivilDate> date = ParseIsoDate(word);
        if (!date) {
            wrong = std::string(word);
            return std::nullopt;
        }
        dates.push_back(*date);
    }
    if (dates.empty()) {
        wrong = "";
        return std::nullopt;
    }
    return dates;
}

std::string FormatPlanDates(std::vector<CivilDate> dates) {
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    std::string text;
    for (const CivilDate& date : dates) text += (text.empty() ? "" : ", ") + FormatIsoDate(date);
    return text;
}

}  // namespace cv
