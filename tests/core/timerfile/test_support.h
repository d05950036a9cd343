#pragma once
// Shared by the timer file tests: the default sheet's records, and text as
// Notepad saves it in UTF-16.

#include <string>
#include <string_view>

#include "core/timers/timer_table.h"
#include "core/timers/utf8_text.h"
#include "tests/temp_folder.h"

namespace cv {

inline TimerRecords DefaultRecords() {
    TimerRecords records;
    for (int i = 0; i < kTimerCount; ++i) records[i] = RecordFromTexts(DefaultColumnTexts(i));
    return records;
}

// UTF-8 text in UTF-16, its byte order mark first.
inline std::string Utf16(std::string_view utf8, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const auto unit = [&](char32_t value) {
        const char high = static_cast<char>(value >> 8), low = static_cast<char>(value & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    for (const char32_t c : CodePointsFromUtf8(utf8)) {
        if (c < 0x10000) {
            unit(c);
        } else {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

}  // namespace cv
