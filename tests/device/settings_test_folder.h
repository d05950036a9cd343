#pragma once
// A fresh temporary folder per test, removed with everything in it afterwards.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cv {

class SettingsTestFolder {
public:
    SettingsTestFolder() : path_((std::filesystem::temp_directory_path() / "cvsettings-XXXXXX").string()) {
        if (::mkdtemp(path_.data()) == nullptr) path_.clear();
    }
    ~SettingsTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SettingsTestFolder(const SettingsTestFolder&) = delete;
    SettingsTestFolder& operator=(const SettingsTestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    static void Write(const std::string& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string Read(const std::string& file) {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        return text.str();
    }

private:
    std::string path_;
};

}  // namespace cv
