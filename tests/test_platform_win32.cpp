#include "tests/test_platform.h"

#include <windows.h>

#include "core/platform/wide_text.h"

namespace cv {

bool SetReadOnly(const std::string& path, bool readOnly) {
    const std::wstring wide = WideFromUtf8(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD wanted = readOnly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    return ::SetFileAttributesW(wide.c_str(), wanted) != 0;
}

// The read-only attribute binds administrators too.
bool ReadOnlyIsEnforced() { return true; }

// Wine shows the Linux root as drive Z:. On Windows this names no folder and
// takes no files either.
std::string FolderNobodyWritesIn() { return "Z:\\proc"; }

std::string MissingFolderText() { return SystemMessage(ERROR_PATH_NOT_FOUND); }

std::string FileAsFolderText() { return SystemMessage(ERROR_PATH_NOT_FOUND); }

}  // namespace cv
