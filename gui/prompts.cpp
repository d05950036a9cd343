#include "gui/prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>

#include "gui/print/paper_printer.h"

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

QString IconName(PromptMessage::Icon icon) {
    switch (icon) {
        case PromptMessage::Icon::Information: return QCoreApplication::translate("Prompts", "Information");
        case PromptMessage::Icon::Warning: return QCoreApplication::translate("Prompts", "Warning");
        case PromptMessage::Icon::None: break;
    }
    return QString();
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const PromptMessage& message,
                                            QMessageBox::StandardButtons buttons) {
    auto box = std::make_unique<QMessageBox>(ToBoxIcon(message.icon), message.caption, message.text, buttons, parent);
    box->setInformativeText(message.detail);
    // Qt leaves the icon an unnamed picture.
    if (auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(IconName(message.icon));
    return box;
}

void DialogPrompts::ShowMessage(QWidget* parent, const PromptMessage& message) {
    MakeMessageBox(parent, message, QMessageBox::Ok)->exec();
}

QString DialogPrompts::AskSavePath(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString DialogPrompts::AskOpenPath(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

SaveChangesAnswer DialogPrompts::AskSaveChanges(QWidget* parent, const PromptMessage& question) {
    const auto box = MakeMessageBox(parent, question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    switch (box->exec()) {
        case QMessageBox::Save: return SaveChangesAnswer::Save;
        case QMessageBox::Discard: return SaveChangesAnswer::Discard;
        default: return SaveChangesAnswer::Cancel;
    }
}

bool DialogPrompts::AskPrintSetup(QWidget* parent, PaperPrinter& printer) { return printer.ShowSetupDialog(parent); }

}  // namespace cv
