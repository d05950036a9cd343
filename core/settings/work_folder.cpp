#include "core/settings/work_folder.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include "core/platform/user_folders.h"

namespace cv {

WorkFolder ChooseWorkFolder(bool inDocumentsAsked, const std::string& startFolder) {
    WorkFolder work{startFolder, WorkFolder::Reason::StartFolder, startFolder};
    if (!inDocumentsAsked && CanCreateFilesIn(startFolder)) return work;
    const std::string documents = DocumentsFolder();
    if (documents.empty()) {
        work.reason = WorkFolder::Reason::NoDocuments;
        return work;
    }
    work.folder = documents;
    work.reason = inDocumentsAsked ? WorkFolder::Reason::Asked : WorkFolder::Reason::StartFolderTakesNoFiles;
    return work;
}

std::string DescribeWorkFolderChoice(const WorkFolder& work) {
    switch (work.reason) {
        case WorkFolder::Reason::StartFolder: return Tr("WorkFolder", "the folder CV Timer was started in");
        case WorkFolder::Reason::Asked: return Tr("WorkFolder", "your Documents folder");
        case WorkFolder::Reason::StartFolderTakesNoFiles:
            return FillPlaceholders(
                Tr("WorkFolder", "your Documents folder, as %1, where CV Timer was started, takes no new files"),
                {work.startFolder});
        case WorkFolder::Reason::NoDocuments:
            return Tr("WorkFolder", "the folder CV Timer was started in, as your Documents folder could not be found or made");
    }
    return {};
}

}  // namespace cv
