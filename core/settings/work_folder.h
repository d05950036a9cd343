#pragma once
// Where the program works: the folder that holds its settings file and where
// its file dialogs open.

#include <string>

namespace cv {

// The program's switch for "work in my Documents folder", which the Start Menu
// shortcut passes.
inline constexpr const char* kInDocumentsOption = "--in-documents";

struct WorkFolder {
    enum class Reason {
        StartFolder,            // the folder it was started in, as always
        Asked,                  // Documents, because the switch asked for it
        StartFolderTakesNoFiles,  // Documents, because the start folder is read-only
        NoDocuments,            // the start folder: Documents was wanted but cannot be had
    };
    std::string folder;
    Reason reason = Reason::StartFolder;
    std::string startFolder;
};

// Documents when inDocumentsAsked, or when startFolder takes no new files (a
// program folder under Program Files, a read-only share), so the port choice is
// kept rather than silently lost; otherwise startFolder. When Documents cannot
// be found or made, startFolder after all.
WorkFolder ChooseWorkFolder(bool inDocumentsAsked, const std::string& startFolder);

// Why the program works in work.folder, for the About box beneath the folder:
// "your Documents folder", "the folder CV Timer was started in", and for the
// other two reasons what kept it from the usual one.
std::string DescribeWorkFolderChoice(const WorkFolder& work);

}  // namespace cv
