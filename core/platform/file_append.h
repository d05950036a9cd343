#pragma once
// Adding to the end of a file without rewriting what is there. What was in
// the file before stays byte for byte as it was whatever happens mid-way; a
// crash or a full disk can only leave the added bytes cut short.

#include <cstdint>
#include <string>
#include <string_view>

namespace cv {

struct FileAppendResult {
    bool ok = false;
    std::string systemText;     // the system's reason when not ok
    std::uint64_t sizeAfter = 0;  // the file's size once the bytes are in, when ok

    bool Ok() const { return ok; }
};

// Appends bytes to the regular file at path in one write, creating it (0666
// less the umask on Linux) when it is missing, and syncs it to the disk before
// returning. When the file does not end with a line feed (a line cut short by
// an earlier crash), one goes first, so the bytes always begin a line of their
// own. Devices, FIFOs and folders are refused without blocking.
FileAppendResult AppendToFile(const std::string& path, std::string_view bytes);

}  // namespace cv
