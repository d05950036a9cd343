#pragma once
// The folders the system keeps for its user, and whether a folder takes new
// files: what the program asks before it decides where it works.

#include <string>

namespace cv {

// The user's Documents folder as the system names it, created when missing.
// Windows: the Documents known folder, which follows OneDrive's folder move and
// folder redirection. Linux: XDG_DOCUMENTS_DIR of the user's user-dirs.dirs,
// else the home folder. Empty when the system names none or it cannot be made.
std::string DocumentsFolder();

// Whether this process can create a file in folder now. Found out by creating
// one and removing it again, so access control lists, read-only media and
// shares answer as they would for the settings file itself.
bool CanCreateFilesIn(const std::string& folder);

}  // namespace cv
