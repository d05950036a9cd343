#pragma once
// A fresh temporary folder per test, removed with everything in it when the
// test ends, and whole-file reads and writes for checking bytes exactly.
// Paths are UTF-8 strings, as everywhere in the core, on Linux and on Windows.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace cv {

inline std::filesystem::path PathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
            const std::filesystem::path candidate =
                base / ("cvtimer-test-" + std::to_string(tick % 1000000007) + "-" + std::to_string(counter++));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, error);
                path_ = Utf8FromPath(candidate);
            }
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(PathFromUtf8(path_), ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::string operator/(const std::string& name) const { return File(name); }
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(path_)))
            names.insert(Utf8FromPath(entry.path().filename()));
        return names;
    }

private:
    std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(PathFromUtf8(path), std::ios::binary) << bytes;
}

}  // namespace cv
