#pragma once
// Prompts for tests: answers file dialogs from a queue and keeps every message
// box that would have been shown.

#include <QStringList>
#include <functional>
#include <vector>

#include "gui/prompts.h"

namespace cv {

class RecordingPrompts : public Prompts {
public:
    void ShowMessage(QWidget*, const PromptMessage& message) override { shown.push_back(message); }
    QString AskSavePath(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
    QString AskOpenPath(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
    SaveChangesAnswer AskSaveChanges(QWidget*, const PromptMessage& question) override {
        questions.push_back(question);
        if (nextAnswers.empty()) return SaveChangesAnswer::Cancel;
        const SaveChangesAnswer answer = nextAnswers.front();
        nextAnswers.erase(nextAnswers.begin());
        return answer;
    }
    bool AskPrintSetup(QWidget*, PaperPrinter& printer) override { return printSetup && printSetup(printer); }

    // Next paths the file dialogs return; an empty string is a cancel.
    QStringList nextPaths;
    std::vector<PromptMessage> shown;
    std::vector<FileDialogRequest> fileRequests;
    // Next answers to the unsaved-work question; Cancel once they run out.
    std::vector<SaveChangesAnswer> nextAnswers;
    std::vector<PromptMessage> questions;
    // Plays the print dialog: sets the printer up and says whether to print. Unset, it cancels.
    std::function<bool(PaperPrinter&)> printSetup;

    QStringList ShownTexts() const {
        QStringList texts;
        for (const PromptMessage& m : shown) texts << m.text;
        return texts;
    }

private:
    QString Answer(const FileDialogRequest& request) {
        fileRequests.push_back(request);
        return nextPaths.isEmpty() ? QString() : nextPaths.takeFirst();
    }
};

}  // namespace cv
