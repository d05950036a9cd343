// The profile layer: a value written reads back (outer blanks and one pair of
// quotes aside, as on Windows, and cut like any read), or the write is refused
// and the file is untouched; every other key of every section keeps its value.
//
// Input: the file's bytes, the section, the key and the value, separated by
// NUL bytes. No file at all when the first part is a lone "-".

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/settings/profile_file.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"

namespace fs = std::filesystem;

namespace {


std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// What a reader gets back for a written value.
std::string ReadBackOf(std::string_view value) {
    value = Trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, cv::kProfileValueLimit));
}

// Every name that might be a section: whatever follows a '[' at a line start.
// Names that are no section only add a comparison of two empty lists.
std::set<std::string> SectionNames(const std::string& text) {
    std::set<std::string> names;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = Trimmed(std::string_view(text).substr(pos, end - pos));
        if (!line.empty() && line.front() == '[') names.insert(std::string(Trimmed(line.substr(1, line.find(']') - 1))));
        pos = end + 1;
    }
    return names;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Without(Pairs pairs, const std::string& key) {
    std::erase_if(pairs, [&](const auto& pair) { return Lower(pair.first) == Lower(key); });
    return pairs;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("(none)");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && parts.size() < 4) {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(data[i]);
        }
    }
    if (parts.size() < 4) return 0;
    const std::string& text = parts[0];
    const std::string& section = parts[1];
    const std::string& key = parts[2];
    const std::string& value = parts[3];

    const std::string path = cv::ScratchFolderPath() + "/a.ini";
    if (text != "-") std::ofstream(path, std::ios::binary) << text;
    const std::string before = Contents(path);
    std::set<std::string> sections = SectionNames(text);
    sections.insert(std::string(Trimmed(section)));
    std::vector<Pairs> pairsBefore;
    for (const std::string& name : sections) pairsBefore.push_back(cv::GetProfileSection(path, name));

    if (!cv::WriteProfileString(path, section, key, value)) {
        FUZZ_CHECK(Contents(path) == before);
    } else {
        FUZZ_CHECK(cv::GetProfileString(path, section, key, "\x01") == ReadBackOf(value));
        std::size_t i = 0;
        for (const std::string& name : sections) {
            const Pairs after = cv::GetProfileSection(path, name);
            const bool written = Lower(name) == Lower(std::string(Trimmed(section)));
            const std::string trimmedKey(Trimmed(key));
            FUZZ_CHECK(written ? Without(after, trimmedKey) == Without(pairsBefore[i], trimmedKey)
                               : after == pairsBefore[i]);
            ++i;
        }
    }
    fs::remove(path);
    return 0;
}
