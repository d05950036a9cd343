#pragma once
// Whole files, read and replaced. A replacement never leaves a file empty or
// half written, whatever happens mid-way (a crash, a full disk, a pulled
// plug): the new bytes go to a temporary file beside it, are synced, and are
// renamed over it in one step. Timer files and the settings file are both
// written this way.

#include <cstddef>
#include <string>
#include <string_view>

namespace cv {

struct WholeFile {
    enum class Status {
        Read,      // text holds the bytes
        Missing,   // no such file
        TooLarge,  // more than the limit asked for; nothing was kept
        Failed,    // a folder, a device, unreadable...: systemText says which
    };
    Status status = Status::Failed;
    std::string systemText;  // the system's reason when not Read
    std::string text;

    bool Ok() const { return status == Status::Read; }
};

// A regular file, whole, when it holds at most `limit` bytes. Only regular
// files are read: a FIFO or a device must never block a read or feed it forever.
WholeFile ReadWholeFile(const std::string& path, std::size_t limit);

// At most the first `count` bytes of path, without ever blocking: a FIFO with
// no writer reads as empty, a device gives what it has at once.
WholeFile ReadFileStart(const std::string& path, std::size_t count);

// The last `count` bytes of a regular file, or all of it when it holds no
// more: the newest part of a file that grows at its end.
WholeFile ReadFileEnd(const std::string& path, std::size_t count);

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

// On failure path is exactly as it was and no temporary file is left; one
// left by a save that was killed is removed by the next save in its folder. An
// existing file keeps its permission bits (and owner, where allowed); a new
// one gets 0666 less the umask. A symbolic link is followed, also one whose
// file does not exist yet (that file is created), so the link stays a link.
// A read-only file is refused rather than renamed over.
FileReplaceResult ReplaceFileSafely(const std::string& path, std::string_view bytes);

}  // namespace cv
