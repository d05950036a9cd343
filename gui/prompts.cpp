#include "gui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "gui/paper_printer.h"

namespace cv {

namespace {

QMessageBox::Icon ToBoxIcon(PromptMessage::Icon icon) {
    switch (icon) {
        case PromptMessage::Icon::Information: return QMessageBox::Information;
        case PromptMessage::Icon::Warning: return QMessageBox::Warning;
        case PromptMessage::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void DialogPrompts::ShowMessage(QWidget* parent, const PromptMessage& message) {
    QMessageBox box(ToBoxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, parent);
    box.setInformativeText(message.detail);
    box.exec();
}

QString DialogPrompts::AskSavePath(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString DialogPrompts::AskOpenPath(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

SaveChangesAnswer DialogPrompts::AskSaveChanges(QWidget* parent, const PromptMessage& question) {
    QMessageBox box(ToBoxIcon(question.icon), question.caption, question.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(question.detail);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveChangesAnswer::Save;
        case QMessageBox::Discard: return SaveChangesAnswer::Discard;
        default: return SaveChangesAnswer::Cancel;
    }
}

bool DialogPrompts::AskPrintSetup(QWidget* parent, PaperPrinter& printer) { return printer.ShowSetupDialog(parent); }

}  // namespace cv
