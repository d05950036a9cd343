// Renders the sheet and the About box to PNG files without a display, so the
// windows can be looked at after every change: cvtimer-screenshots OUTDIR.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "gui/about_dialog.h"
#include "gui/prompts.h"
#include "gui/timer_app.h"
#include "gui/timer_sheet.h"

namespace {
bool Save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cvtimer-screenshots OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;

    // The sheet remembers its port in a settings file; keep that one away
    // from wherever the screenshots are taken.
    QTemporaryDir settingsFolder;
    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts, settingsFolder.path().toStdString());
    cv::TimerSheetDialog& sheet = app.CreateSheet();
    cv::AboutDialog about(&sheet);
    const bool ok = Save(sheet, out.filePath(QStringLiteral("timer-sheet.png"))) &&
                    Save(about, out.filePath(QStringLiteral("about-box.png")));
    return ok ? 0 : 1;
}
