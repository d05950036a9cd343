#include "core/language/word_list.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

std::string JoinList(const std::vector<std::string>& items, bool alternatives) {
    if (items.empty()) return "";
    std::string list = items.front();
    for (std::size_t i = 1; i < items.size(); ++i) {
        const bool last = i + 1 == items.size();
        const std::string pattern = !last        ? Tr("List", "%1, %2")
                                    : alternatives ? Tr("List", "%1 or %2")
                                                   : Tr("List", "%1 and %2");
        list = FillPlaceholders(pattern, {list, items[i]});
    }
    return list;
}

std::string JoinCommas(const std::vector<std::string>& items) {
    if (items.empty()) return "";
    std::string list = items.front();
    for (std::size_t i = 1; i < items.size(); ++i) list = FillPlaceholders(Tr("List", "%1, %2"), {list, items[i]});
    return list;
}

std::string TimerRange(int first, int last) {
    //: Inside a sentence: "The unit took Timer 3 and Timer 4's settings."
    if (first == last) return FillPlaceholders(Tr("TimerList", "Timer %1"), {std::to_string(first)});
    const std::string pattern =
        last == first + 1 ? Tr("TimerList", "Timers %1 and %2") : Tr("TimerList", "Timers %1 to %2");
    return FillPlaceholders(pattern, {std::to_string(first), std::to_string(last)});
}

std::string QuoteData(std::string_view data) { return FillPlaceholders(Tr("Quote", "\"%1\""), {data}); }

}  // namespace cv
