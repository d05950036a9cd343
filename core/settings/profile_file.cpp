#include "core/settings/profile_file.h"

#include <optional>
#include <unordered_set>

#include "core/platform/whole_file.h"

namespace cv {

namespace {

enum class LineKind { Other, Section, Key };

// One section or key line of the file, as byte offsets into the text so that
// an edit can leave everything around it untouched.
struct ProfileLine {
    std::size_t begin = 0;   // first byte of the line
    std::size_t end = 0;     // one past its last byte before the line end
    std::size_t next = 0;    // first byte of the following line
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key value, trimmed, quotes still on
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

void Classify(std::string_view content, ProfileLine& line) {
    const std::string_view text = TrimBlanks(content);
    if (text.empty() || text.front() == ';') return;
    if (text.front() == '[') {
        line.kind = LineKind::Section;
        line.name = TrimBlanks(text.substr(1, text.find(']') - 1));
        return;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return;
    line.kind = LineKind::Key;
    line.name = TrimBlanks(text.substr(0, equals));
    line.value = TrimBlanks(text.substr(equals + 1));
}

std::vector<ProfileLine> SplitLines(std::string_view text) {
    // Notepad used to save with a UTF-8 byte order mark; it is not part of the first name.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    std::vector<ProfileLine> lines;
    std::size_t pos = start;
    while (pos < text.size()) {
        ProfileLine line;
        line.begin = pos == start ? 0 : pos;
        line.end = text.find_first_of("\r\n", pos);
        if (line.end == std::string_view::npos) line.end = text.size();
        line.next = line.end;
        if (line.next < text.size() && text[line.next] == '\r') ++line.next;
        if (line.next < text.size() && text[line.next] == '\n') ++line.next;
        Classify(text.substr(pos, line.end - pos), line);
        // Nothing looks at blank lines or comments, and a file may hold a
        // million of them: only sections and keys are kept.
        if (line.kind != LineKind::Other) lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

std::optional<std::size_t> FindSection(const std::vector<ProfileLine>& lines,
                                       std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && SameProfileName(lines[i].name, section)) return i;
    }
    return std::nullopt;
}

// One past the last line of the section whose header is at index header.
std::size_t SectionEnd(const std::vector<ProfileLine>& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != LineKind::Section) ++i;
    return i;
}

std::optional<std::size_t> FindKey(const std::vector<ProfileLine>& lines, std::size_t header,
                                   std::string_view key) {
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == LineKind::Key && SameProfileName(lines[i].name, key)) return i;
    }
    return std::nullopt;
}

std::string_view LineEndOf(std::string_view text) {
    const std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos || text[first] == '\n') return "\n";
    return text.substr(first + 1, 1) == "\n" ? "\r\n" : "\r";
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that would read back as something else are refused rather
// than written: a line break would even start a line of its own.
bool ReadsBackAsWritten(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != std::string_view::npos) return false;
    return !key.empty() && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

std::string EditedText(const std::string& text, std::string_view section, std::string_view key,
                       std::string_view value) {
    const std::vector<ProfileLine> lines = SplitLines(text);
    const std::string_view lineEnd = LineEndOf(text);
    std::string edited = text;
    const std::optional<std::size_t> header = FindSection(lines, section);
    if (!header) {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') edited += lineEnd;
        edited.append("[").append(section).append("]").append(lineEnd);
        edited.append(key).append("=").append(value).append(lineEnd);
        return edited;
    }
    if (const std::optional<std::size_t> found = FindKey(lines, *header, key)) {
        const ProfileLine& line = lines[*found];
        std::string replacement(line.name);
        replacement.append("=").append(value);
        return edited.replace(line.begin, line.end - line.begin, replacement);
    }
    std::size_t after = *header;
    for (std::size_t i = *header + 1; i < SectionEnd(lines, *header); ++i) {
        if (lines[i].kind == LineKind::Key) after = i;
    }
    std::string insertion;
    if (lines[after].next == lines[after].end) insertion += lineEnd;  // last line, no line end
    insertion.append(key).append("=").append(value).append(lineEnd);
    return edited.insert(lines[after].next, insertion);
}

WholeFile ReadSettingsText(const std::string& path) { return ReadWholeFile(path, kProfileFileLimit); }

// The line ends in text[from, to); CRLF, LF and CR each end one line.
int LineEndsBetween(std::string_view text, std::size_t from, std::size_t to) {
    int ends = 0;
    for (std::size_t i = from; i < to && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++ends;
    }
    return ends;
}

// 1 for the first line.
int LineNumberAt(std::string_view text, std::size_t offset) { return 1 + LineEndsBetween(text, 0, offset); }

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::optional<ProfileEntry> FindProfileEntry(const std::string& path, std::string_view section,
                                             std::string_view key) {
    const WholeFile file = ReadSettingsText(path);
    if (!file.Ok()) return std::nullopt;
    const std::vector<ProfileLine> lines = SplitLines(file.text);
    const std::optional<std::size_t> header = FindSection(lines, TrimBlanks(section));
    if (!header) return std::nullopt;
    const std::optional<std::size_t> found = FindKey(lines, *header, TrimBlanks(key));
    if (!found) return std::nullopt;
    const ProfileLine& line = lines[*found];
    return ProfileEntry{std::string(Unquoted(line.value)), LineNumberAt(file.text, line.begin)};
}

std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view defaultValue) {
    const std::optional<ProfileEntry> entry = FindProfileEntry(path, section, key);
    const std::string_view value = entry ? std::string_view(entry->value) : defaultValue;
    return std::string(value.substr(0, kProfileValueLimit));
}

std::vector<ProfileKey> GetProfileKeys(const std::string& path, std::string_view section) {
    std::vector<ProfileKey> keys;
    const WholeFile file = ReadSettingsText(path);
    if (!file.Ok()) return keys;
    const std::vector<ProfileLine> lines = SplitLines(file.text);
    const std::optional<std::size_t> header = FindSection(lines, TrimBlanks(section));
    if (!header) return keys;
    const std::size_t end = SectionEnd(lines, *header);
    // First of duplicates only, as a lookup by name would find it. Remembered
    // by name rather than looked up again, and lines counted on from the last
    // key, either of which would take quadratic time over a section of many
    // thousand keys.
    std::unordered_set<std::string> seen;
    std::size_t countedTo = 0;
    int lineNumber = 1;
    for (std::size_t i = *header + 1; i < end; ++i) {
        const ProfileLine& line = lines[i];
        if (line.kind != LineKind::Key || line.name.empty()) continue;
        std::string folded(line.name);
        for (char& c : folded) c = LowerAscii(c);
        if (!seen.insert(std::move(folded)).second) continue;
        lineNumber += LineEndsBetween(file.text, countedTo, line.begin);
        countedTo = line.begin;
        keys.push_back({std::string(line.name), std::string(Unquoted(line.value)), lineNumber});
    }
    return keys;
}

std::vector<std::pair<std::string, std::string>> GetProfileSection(const std::string& path,
                                                                   std::string_view section) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (ProfileKey& key : GetProfileKeys(path, section)) pairs.emplace_back(std::move(key.name), std::move(key.value));
    return pairs;
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!ReadsBackAsWritten(section, key, value)) return false;
    const WholeFile file = ReadSettingsText(path);
    if (!file.Ok() && file.status != WholeFile::Status::Missing) return false;
    const bool existed = file.Ok();
    const std::string edited = EditedText(file.text, section, key, value);
    if (existed && edited == file.text) return true;
    return ReplaceFileSafely(path, edited).Ok();
}

}  // namespace cv
