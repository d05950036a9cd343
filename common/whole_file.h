#pragma once
// Whole files, read and replaced. A replacement never leaves a file empty or
// half written, whatever happens mid-way (a crash, a full disk, a pulled
// plug): the new bytes go to a temporary file beside it, are synced, and are
// renamed over it in one step. Timer files and the settings file are both
// written this way.

#include <string>
#include <string_view>

namespace cv {

struct WholeFile {
    int error = 0;  // errno of the failed step, 0 when read
    std::string text;
};

// Only regular files are read: a FIFO or device must never block a read.
WholeFile ReadWholeFile(const std::string& path);

struct FileReplaceResult {
    enum class Stage {
        None,    // replaced
        Target,  // path is unusable: empty, a folder, not a regular file, read-only
        Create,  // the temporary file could not be created (folder missing or not writable)
        Write,   // writing, syncing or renaming failed (disk full, quota, ...)
    };
    Stage stage = Stage::None;
    std::string systemText;  // strerror text, or why the target is unusable

    bool Ok() const { return stage == Stage::None; }
};

// On failure path is exactly as it was and no temporary file is left. An
// existing file keeps its permission bits (and owner, where allowed); a new
// one gets 0666 less the umask. A symbolic link is followed, so the link
// stays a link. A read-only file is refused rather than renamed over.
FileReplaceResult ReplaceFileSafely(const std::string& path, std::string_view bytes);

}  // namespace cv
