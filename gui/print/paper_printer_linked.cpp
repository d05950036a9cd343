// Windows: the program is one static file, so the print code is linked in.

#include "gui/print/paper_printer.h"

namespace cv {

std::unique_ptr<PaperPrinter> NewPaperPrinter(const QString& documentName, const QPageSize& size, QString&) {
    return std::unique_ptr<PaperPrinter>(cvtimer_new_paper_printer(documentName, size));
}

}  // namespace cv
