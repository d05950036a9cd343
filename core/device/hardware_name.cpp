#include "core/device/hardware_name.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/timers/utf8_text.h"

namespace cv {

namespace {

// Longer texts are cut: a menu item has no room for a paragraph.
constexpr std::size_t kMostBytes = 48;

// One line of plain UTF-8: a device chooses its own strings, so control
// characters (C1 among them: U+0085 breaks a line) and runs of blanks go, and
// a byte that is no part of UTF-8 becomes U+FFFD.
std::string Cleaned(std::string_view text) {
    std::string cleaned;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            cleaned += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (text[i] == ' ' || IsControlCharacter(text, i, length)) {
            if (!cleaned.empty() && cleaned.back() != ' ') cleaned += ' ';
        } else {
            cleaned.append(text, i, length);
        }
        i += length;
    }
    if (!cleaned.empty() && cleaned.back() == ' ') cleaned.pop_back();
    return cleaned;
}

// Cut between characters, never inside a UTF-8 one (Cleaned made it UTF-8).
std::string Shortened(std::string text) {
    if (text.size() <= kMostBytes) return text;
    std::size_t cut = kMostBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80) --cut;
    text.resize(cut);
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool HoldsIgnoringCase(std::string_view text, std::string_view part) {
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

std::string WithMaker(std::string name, std::string maker) {
    name = Shortened(std::move(name));
    maker = Shortened(std::move(maker));
    if (name.empty()) return maker;
    if (maker.empty() || maker.front() == '(' || HoldsIgnoringCase(name, maker)) return name;
    return name + " (" + maker + ")";
}

// "USB Serial Port (COM5)" without " (COM5)".
std::string_view WithoutPort(std::string_view name) {
    if (name.empty() || name.back() != ')') return name;
    const std::size_t open = name.rfind(" (");
    if (open == std::string_view::npos) return name;
    const std::string_view inside = name.substr(open + 2, name.size() - open - 3);
    const bool isPort = inside.size() > 3 && HoldsIgnoringCase(inside.substr(0, 3), "COM") &&
                        std::all_of(inside.begin() + 3, inside.end(), [](char c) { return c >= '0' && c <= '9'; });
    return isPort ? name.substr(0, open) : name;
}

std::string_view Resolved(std::string_view text) {
    if (text.starts_with('@')) {
        const std::size_t semicolon = text.find(';');
        return semicolon == std::string_view::npos ? std::string_view() : text.substr(semicolon + 1);
    }
    return text;
}

}  // namespace

std::string UsbDeviceName(std::string_view manufacturer, std::string_view product) {
    return WithMaker(Cleaned(product), Cleaned(manufacturer));
}

std::string ComPortName(std::string_view friendlyName, std::string_view description, std::string_view manufacturer) {
    std::string name = Cleaned(WithoutPort(Cleaned(Resolved(friendlyName))));
    if (name.empty()) name = Cleaned(Resolved(description));
    return WithMaker(name, Cleaned(Resolved(manufacturer)));
}

}  // namespace cv
