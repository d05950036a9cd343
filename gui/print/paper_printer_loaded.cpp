// Linux: the print code is the module cvtimer-print, loaded on first use from
// where it is installed and built beside the program (CVTIMER_PRINT_MODULE,
// relative to the program's folder).

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "gui/print/paper_printer.h"

namespace cv {

std::unique_ptr<PaperPrinter> NewPaperPrinter(const QString& documentName, const QPageSize& size, QString& problem) {
    using Entry = decltype(&cvtimer_new_paper_printer);
    static Entry entry = nullptr;
    if (!entry) {
        // The library stays loaded once loaded; QLibrary never unloads by itself.
        const QString folder = QCoreApplication::applicationDirPath();
        QLibrary module(QDir::cleanPath(folder + QStringLiteral("/" CVTIMER_PRINT_MODULE)));
        entry = reinterpret_cast<Entry>(module.resolve(kPaperPrinterEntry));
        if (!entry) {
            problem = module.errorString();
            return nullptr;
        }
    }
    return std::unique_ptr<PaperPrinter>(entry(documentName, size));
}

}  // namespace cv
