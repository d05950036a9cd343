// The part of printing that needs Qt Print Support: the printer and its dialog.
// Built as the module cvtimer-print on Linux, linked into the program on Windows.

#include <QPrintDialog>
#include <QPrinter>

#include "gui/print/paper_printer.h"

namespace {

class QtPaperPrinter : public cv::PaperPrinter {
public:
    QtPaperPrinter(const QString& documentName, const QPageSize& size) : printer(QPrinter::HighResolution) {
        printer.setPageSize(size);
        printer.setDocName(documentName);
    }

    bool ShowSetupDialog(QWidget* parent) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    QPagedPaintDevice& Paper() override { return printer; }

private:
    QPrinter printer;
};

}  // namespace

extern "C" cv::PaperPrinter* cvtimer_new_paper_printer(const QString& documentName, const QPageSize& size) {
    return new QtPaperPrinter(documentName, size);
}
