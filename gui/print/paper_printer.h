#pragma once
// Printing on paper. Qt Print Support, which knows the system's printers and
// brings the print dialog, is kept out of the program's start: on Linux it sits
// in a module of our own that is loaded when File > Print... is first used; the
// Windows program, one static file, has it linked in.

#include <QString>
#include <memory>

class QPageSize;
class QPagedPaintDevice;
class QWidget;

namespace cv {

// A printer being set up for one document.
class PaperPrinter {
public:
    virtual ~PaperPrinter() = default;
    // The system's print dialog for this printer; false when the user cancelled.
    virtual bool ShowSetupDialog(QWidget* parent) = 0;
    // What to paint on once the printer is set up.
    virtual QPagedPaintDevice& Paper() = 0;
};

// A printer for a document called `documentName` on paper of `size`, or nullptr
// with `problem` saying why printing is not available.
std::unique_ptr<PaperPrinter> NewPaperPrinter(const QString& documentName, const QPageSize& size, QString& problem);

}  // namespace cv

// The print code's one entry point, looked up by its name when it is loaded.
extern "C" cv::PaperPrinter* cvtimer_new_paper_printer(const QString& documentName, const QPageSize& size);
inline constexpr const char* kPaperPrinterEntry = "cvtimer_new_paper_printer";
