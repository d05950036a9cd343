#pragma once
// What the tests ask of the system they run on, behind one header like the
// core's platform code: test_platform_posix.cpp and test_platform_win32.cpp.

#include <string>

namespace cv {

// Makes an existing file read-only, or writable again; false when refused.
bool SetReadOnly(const std::string& path, bool readOnly);

// Whether a read-only file stops this process (root on Linux writes anyway).
bool ReadOnlyIsEnforced();

// A folder in which not even an administrator or root can create a file: the
// process file system on Linux, and Wine's view of it on Windows.
std::string FolderNobodyWritesIn();

// The system's own text for a path whose folder does not exist, and for a
// path that goes through a file as if it were a folder.
std::string MissingFolderText();
std::string FileAsFolderText();

}  // namespace cv
