#pragma once
// Every message box and file dialog the program shows goes through Prompts, so
// tests can answer them and read back what a user would have seen.

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

namespace cv {

class PaperPrinter;

struct PromptMessage {
    enum class Icon { None, Information, Warning };
    QString caption;
    QString text;
    QString detail;  // secondary text: what went wrong and what to do
    Icon icon = Icon::None;
};

// The answers to "Save changes to the timers?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

struct FileDialogRequest {
    QString caption;
    QString filter;         // e.g. "CV Timer (*.csv)"
    QString defaultSuffix;  // added to a name typed without one
    QString folder = {};    // where the dialog opens
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal box with an OK button.
    virtual void ShowMessage(QWidget* parent, const PromptMessage& message) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString AskSavePath(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString AskOpenPath(QWidget* parent, const FileDialogRequest& request) = 0;
    // A modal box with Save, Discard and Cancel buttons.
    virtual SaveChangesAnswer AskSaveChanges(QWidget* parent, const PromptMessage& question) = 0;
    // The print dialog for printer; false when the user cancelled.
    virtual bool AskPrintSetup(QWidget* parent, PaperPrinter& printer) = 0;
};

// The box DialogPrompts shows for message, with buttons; its icon is named
// ("Warning", "Information") for a screen reader.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const PromptMessage& message,
                                            QMessageBox::StandardButtons buttons);

// The real thing: QMessageBox and QFileDialog.
class DialogPrompts : public Prompts {
public:
    void ShowMessage(QWidget* parent, const PromptMessage& message) override;
    QString AskSavePath(QWidget* parent, const FileDialogRequest& request) override;
    QString AskOpenPath(QWidget* parent, const FileDialogRequest& request) override;
    SaveChangesAnswer AskSaveChanges(QWidget* parent, const PromptMessage& question) override;
    bool AskPrintSetup(QWidget* parent, PaperPrinter& printer) override;
};

}  // namespace cv
