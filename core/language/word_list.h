#pragma once
// Lists in a sentence, joined by the language's own patterns rather than by
// English commas and "and", so that each language joins and orders them.

#include <string>
#include <string_view>
#include <vector>

namespace cv {

// "a, b and c": every item but the last joined by the list pattern "%1, %2",
// the last by "%1 and %2" (or by "%1 or %2" when `alternatives`).
std::string JoinList(const std::vector<std::string>& items, bool alternatives = false);

// Every item joined by "%1, %2" alone: the parts of one setting, say.
std::string JoinCommas(const std::vector<std::string>& items);

// "Timer 3", "Timers 1 and 2" or "Timers 1 to 10" for the timers numbered
// first to last (counting from 1), as they stand inside a sentence ("The unit
// took Timers 1 and 2"): languages that put an article there give it one.
std::string TimerRange(int first, int last);

// Data as typed, quoted inside a sentence in the language's own marks:
// "Eggs" in English, «Eggs» in Spanish, « Eggs » in French. Every message
// that quotes what the user typed or what came off the line goes through it.
std::string QuoteData(std::string_view data);

}  // namespace cv
