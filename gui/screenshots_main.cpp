// Renders the windows and the printed page to PNG files without a display, so
// they can be looked at after every change: cvtimer-screenshots OUTDIR.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "gui/about_dialog.h"
#include "gui/day_plan_window.h"
#include "gui/prompts.h"
#include "gui/timer_app.h"
#include "gui/timer_page.h"
#include "gui/timer_sheet.h"

namespace {

bool Report(bool ok, const QString& path) {
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

bool Save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    return Report(window.grab().save(path), path);
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
    bool ok = Save(sheet, out.filePath(QStringLiteral("timer-sheet.png"))) &&
              Save(about, out.filePath(QStringLiteral("about-box.png")));
    about.hide();

    app.OnDayPlan();
    ok = ok && Save(*app.DayPlan(), out.filePath(QStringLiteral("day-plan.png")));

    const cv::TimerPage page{QStringLiteral("Corvellan Timers"), QDate(2026, 3, 14), sheet.TimersOnSheet()};
    const QString pagePath = out.filePath(QStringLiteral("printed-page.png"));
    ok = ok && Report(cv::TimerPageImage(page, QPageSize(QPageSize::A4), 1240).save(pagePath), pagePath);

    // A start time typed as a word, a priority that is no digit and a name the
    // unit cannot take, with the start time's field in focus so the status bar
    // reads it out.
    app.DayPlan()->hide();
    QApplication::setActiveWindow(&sheet);
    sheet.Field(2, cv::TimerField::StartTime)->setText(QStringLiteral("six"));
    sheet.Field(4, cv::TimerField::Priority)->setText(QStringLiteral("x"));
    sheet.Field(6, cv::TimerField::Name)->setText(QStringLiteral("Fries {large}"));
    sheet.Field(2, cv::TimerField::StartTime)->setFocus();
    ok = ok && Save(sheet, out.filePath(QStringLiteral("timer-sheet-marked.png")));
    return ok ? 0 : 1;
}
