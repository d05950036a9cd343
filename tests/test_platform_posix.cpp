#include "tests/test_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cv {

bool SetReadOnly(const std::string& path, bool readOnly) {
    return ::chmod(path.c_str(), readOnly ? 0444 : 0644) == 0;
}

bool ReadOnlyIsEnforced() { return ::geteuid() != 0; }

std::string FolderNobodyWritesIn() { return "/proc"; }

std::string MissingFolderText() { return std::strerror(ENOENT); }

std::string FileAsFolderText() { return std::strerror(ENOTDIR); }

}  // namespace cv
