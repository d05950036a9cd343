#pragma once
// Paths as the core keeps them: UTF-8 text in the system's own form, joined
// and split with its separator, relative ones taken from the folder the
// process started in.

#include <string>

namespace cv {

// The file called name inside folder, joined with the system's separator.
std::string FileInFolder(const std::string& folder, const std::string& name);

// The folder that holds the file at path ("." when path names no folder).
std::string FolderOfFile(const std::string& path);

// The working directory as it was at the first call. The program asks once at
// start-up, so file dialogs that change the directory later do not move the
// settings file.
std::string StartFolder();

// path as a full path, a relative one taken from StartFolder(); in the
// system's own form ("C:\Kitchen\lunch.csv" on Windows).
std::string AbsolutePath(const std::string& path);

}  // namespace cv
