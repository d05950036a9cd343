#pragma once
// A folder of the fuzz run's own, removed when the run ends normally. On a
// memory file system when there is one, so that syncing costs nothing.

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace cv {

class ScratchFolder {
public:
    ScratchFolder() {
        const char* tmp = getenv("TMPDIR");
        const std::string base = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path_ = base + "/cvtimer-fuzz-XXXXXX";
        if (mkdtemp(path_.data()) == nullptr) abort();
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline const std::string& ScratchFolderPath() {
    static const ScratchFolder folder;
    return folder.Path();
}

}  // namespace cv
