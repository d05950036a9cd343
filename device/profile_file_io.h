#pragma once
// Whole-file reading and the replace-in-one-step writing behind the profile
// file layer.

#include <string>
#include <sys/types.h>

namespace cv {

struct WholeFile {
    int error = 0;         // errno of the failed step, 0 when read
    std::string text;
    mode_t mode = 0;       // permission bits of the file read
};

// Only regular files are read: a FIFO or device must never block a settings read.
WholeFile ReadWholeFile(const std::string& path);

// Writes text to a new file beside path, syncs it and renames it over path.
// keepMode: path exists; it must be writable, and the new file gets these
// permission bits instead of the default ones. A symbolic link at path is followed, so the file it names is replaced.
// Returns 0 or the errno of the failed step; on failure path is untouched.
int ReplaceFileContents(const std::string& path, const std::string& text, const mode_t* keepMode);

}  // namespace cv
