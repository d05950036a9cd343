// Renders the windows and the printed page to PNG files without a display, so
// they can be looked at after every change:
//
//   cvtimer-screenshots OUTDIR [--screen WIDTHxHEIGHT@DPI] [--language en|es|fr|pseudo]
//
// The windows speak English unless --language names another, whatever the
// system's language, so that pictures of one language compare across machines;
// "pseudo" is a made-up language longer than any real one, for sizing.
// Offscreen the screen is 1600x1000 at 96 dots per inch unless --screen names
// another (1600x900@192 is a laptop scaled to 200 %); elsewhere the screen is
// the real one. Besides the light palette, the windows are drawn again in a
// dark one and in Windows' High Contrast Black, as files ending in -dark and
// -high-contrast, where the style draws from the palette (not Windows' own).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <utility>

#include "core/language/language_choice.h"
#include "gui/access/sample_palettes.h"
#include "gui/language/language_setup.h"
#include "gui/language/pseudo_language.h"
#include "gui/prompts.h"
#include "gui/sheet/send_progress_dialog.h"
#include "gui/windows/about_dialog.h"
#include "gui/day_part_watch.h"
#include "gui/sheet/day_part_line.h"
#include "gui/windows/day_parts_window.h"
#include "gui/windows/day_plan_window.h"
#include "gui/windows/print_record_dialog.h"
#include "gui/windows/record_text_window.h"
#include "gui/windows/sent_to_unit_window.h"
#include "core/device/port_map.h"
#include "core/record/record_report.h"
#include "core/record/send_log.h"
#include "core/schedule/day_part_plan.h"
#include "core/settings/folder_paths.h"
#include "core/settings/profile_file.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/timer_table.h"
#include "gui/print/record_report_pages.h"
#include "gui/print/timer_page.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"
#include "gui/windows/user_guide_window.h"
#include "tools/fake_device_tree.h"

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

// The sheet with its Comm Port menu open, the way the user sees it: the menu is a
// window of its own, so both are drawn into one picture.
bool SaveWithPortMenuOpen(cv::TimerSheetDialog& sheet, const QString& path) {
    sheet.show();
    QMenu& menu = *sheet.CommPortMenu();
    sheet.findChild<QMenuBar*>()->setActiveAction(menu.menuAction());
    QApplication::processEvents();

    const QRect sheetArea = sheet.geometry();
    const QRect menuArea = menu.geometry();
    const QRect whole = sheetArea.united(menuArea);
    // In the screen's own pixels, so that a scaled screen (150 %) is not drawn small.
    const qreal ratio = sheet.devicePixelRatioF();
    QPixmap picture(whole.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(sheetArea.topLeft() - whole.topLeft(), sheet.grab());
    painter.drawPixmap(menuArea.topLeft() - whole.topLeft(), menu.grab());
    painter.end();
    menu.close();
    return Report(picture.save(path), path);
}

// A device tree with two built-in ports, USB adapters of two makes and two
// CDC-ACM devices, so the Comm Port menu goes on past Port 12 as it does on a
// desk with many adapters plugged in, each named by what it is.
std::string MakeDeviceTree(const QString& folder) {
    cv::FakeDeviceTree tree(folder.toStdString());
    tree.AddUart(0);
    tree.AddUart(1);
    for (int n = 0; n < 10; ++n) tree.AddUsbSerial(n, n % 3 == 2 ? cv::ProlificAdapter() : cv::FtdiAdapter());
    for (int n = 0; n < 2; ++n) tree.AddUsbModem(n, cv::CdcAcmDevice());
    return tree.Root();
}

// Where a supervisor's files are, shown in the pictures in place of the
// temporary folder they come from.
QString SupervisorsFolder() {
    return QDir::separator() == QLatin1Char('\\') ? QStringLiteral("C:\\Users\\ben\\Documents")
                                                  : QStringLiteral("/home/ben");
}

// A send's entry, written as a send writes it but at a fixed time.
void RecordSend(const cv::TimerSheetDialog& sheet, const cv::SendReport& report, const char* when, const char* user) {
    cv::SendFacts facts;
    facts.report = report;
    facts.records = sheet.records;
    facts.portNumber = 1;
    facts.devicePath = "/dev/ttyUSB0";
    facts.source.filePath = sheet.SourceFile();
    cv::AppendSendEntry(cv::SendLogPathIn(cv::FolderOfFile(sheet.settingsPath)), cv::MakeSendEntry(facts, when, user));
}

// View > Sent to Unit after breakfast.csv went out whole at 05:40 and lunch.csv
// stopped at 10:55 on Timer 3's name (the unit answered "x"); on the sheet
// lunch, with Timer 2's snooze time typed anew since.
bool SaveSentToUnitAfterAPartialSend(cv::TimerApp& app, cv::TimerSheetDialog& sheet, const QString& folder,
                                     const QString& path) {
    cv::TimerRecords breakfast;
    for (int i = 0; i < cv::kTimerCount; ++i) breakfast[i] = cv::RecordFromTexts(cv::DefaultColumnTexts(i));
    cv::TimerRecords lunch = breakfast;
    for (cv::TimerRecord& timer : lunch) {
        timer.name = "Lunch " + timer.name.substr(0, 13);
        timer.startTime += 300;
    }
    const QString breakfastFile = QDir(folder).filePath(QStringLiteral("breakfast.csv"));
    const QString lunchFile = QDir(folder).filePath(QStringLiteral("lunch.csv"));
    cv::WriteTimerFile(QDir::toNativeSeparators(breakfastFile).toStdString(), breakfast);
    cv::WriteTimerFile(QDir::toNativeSeparators(lunchFile).toStdString(), lunch);

    sheet.SelectPort(1);
    app.OpenTimerFile(breakfastFile);
    cv::SendReport whole;
    whole.sentCount = cv::kTimerCount;
    RecordSend(sheet, whole, "2026-03-14 05:40:12 +01:00", "anna");
    app.OpenTimerFile(lunchFile);
    cv::SendReport partial;
    partial.sentCount = 2;
    partial.failedIndex = 2;
    partial.failure.failedAt = cv::TimerSendResult::Stage::Name;
    partial.failure.settings = {cv::AckOutcome::Acknowledged, 'g', {}, true};
    partial.failure.name = {cv::AckOutcome::WrongAnswer, 'x', {}, true};
    RecordSend(sheet, partial, "2026-03-14 10:55:03 +01:00", "ben");

    sheet.Field(1, cv::TimerField::SnoozeTime)->setText(QStringLiteral("10"));
    // The same picture on every machine, for the guide that shows it: on Linux
    // Port 1 would reach whatever serial port this machine has first, so it
    // is tied to the adapter the record names; and the record's folder, a
    // fresh temporary one, is shown as a supervisor's own.
    if (cv::FindPortDevice(1, {}).device.starts_with("/dev/"))
        cv::WriteProfileString(sheet.settingsPath, "Ports", "COM1", "/dev/ttyUSB0");
    app.OnSentToUnit();
    cv::SentToUnitWindow& window = *app.SentToUnit();
    auto* note = window.findChild<QLabel*>(QStringLiteral("recordNote"));
    const QString home = SupervisorsFolder();
    note->setText(note->text().replace(QDir::toNativeSeparators(folder), home).replace(folder, home));
    window.resize(window.sizeHint());
    return Save(window, path);
}

// File > Print Record... for the day of the two sends above, the first page
// of its report and the report as text, and the report as a PDF file; the
// record's folder shown as a supervisor's own, printed at a fixed moment.
bool SavePrintRecord(cv::TimerApp& app, const QDir& out) {
    app.OnPrintRecord();
    cv::PrintRecordDialog& dialog = *app.PrintRecord();
    const QDate day(2026, 3, 14);
    dialog.SetDays(day, day);
    bool ok = Save(dialog, out.filePath(QStringLiteral("print-record.png")));
    cv::ReportRequest request;
    request.settingsFolder = cv::FolderOfFile(app.CurrentSheet()->settingsPath);
    request.from = request.to = "2026-03-14";
    request.port = 1;
    const cv::RecordReport report = cv::MakeRecordReport(request);
    const cv::ReportPrinting printing{SupervisorsFolder(), QDateTime(day, QTime(16, 5))};
    const QPageSize paper(QPageSize::Letter);
    const QString pagePath = out.filePath(QStringLiteral("record-report.png"));
    ok = ok && Report(cv::RecordReportPageImage(report, printing, paper, 0, 1240).save(pagePath), pagePath);
    QFile pdf(out.filePath(QStringLiteral("record-report.pdf")));
    ok = ok && Report(pdf.open(QIODevice::WriteOnly) && pdf.write(cv::RecordReportPdf(report, printing, paper)) > 0,
                      pdf.fileName());
    dialog.TextButton()->click();
    cv::RecordTextWindow& text = *app.RecordText();
    text.ShowReport(cv::RecordReportHtml(report, printing));
    text.resize(text.sizeHint());
    ok = ok && Save(text, out.filePath(QStringLiteral("record-text.png")));
    text.hide();
    dialog.hide();
    return ok;
}

// File > Day Parts... and the sheet's line about the plan on Thursday
// 2026-12-10 at 11:00, when lunch is due and the record says the unit holds
// none of it (the partial send before left it so).
bool SaveDayParts(cv::TimerApp& app, cv::TimerSheetDialog& sheet, const QString& folder, const QDir& out) {
    cv::TimerRecords late, closing;
    for (int i = 0; i < cv::kTimerCount; ++i) {
        late[i] = closing[i] = cv::RecordFromTexts(cv::DefaultColumnTexts(i));
        late[i].name = "Clean " + late[i].name.substr(0, 13);
        closing[i].name = "Close " + closing[i].name.substr(0, 13);
    }
    cv::WriteTimerFile(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("late.csv"))).toStdString(), late);
    cv::WriteTimerFile(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("closing.csv"))).toStdString(), closing);
    QFile plan(QDir(folder).filePath(QString::fromLatin1(cv::kDayPartPlanFileName)));
    if (!plan.open(QIODevice::WriteOnly)) return Report(false, plan.fileName());
    plan.write("[Breakfast]\nStart=5:30 AM\nDays=Mon-Fri\nSheet=breakfast.csv\n\n"
               "[Lunch]\nStart=10:30 AM\nDays=Every day\nSheet=lunch.csv\n\n"
               "[Late]\nStart=22:00\nDays=Fri, Sat\nSheet=late.csv\n\n"
               "[Christmas Eve close]\nStart=2:00 PM\nDates=2026-12-24\nSheet=closing.csv\n\n"
               "[Plan]\nClosed=2026-12-25, 2027-01-01\n");
    plan.close();
    const std::time_t thursday = cv::MomentOfWallClock({2026, 12, 10}, 11 * 60, cv::SystemZone());
    const auto clock = [thursday] { return thursday; };
    app.WatchDayParts();
    app.DayPartsWatch()->SetClock(clock);
    app.DayPartsWatch()->LookAgain();
    bool ok = Save(sheet, out.filePath(QStringLiteral("timer-sheet-day-part.png")));
    app.OnDayParts();
    cv::DayPartsWindow& window = *app.DayParts();
    window.SetClock(clock);
    window.Reload();
    // The plan's folder, a fresh temporary one, shown as a supervisor's own.
    auto* where = window.findChild<QLabel*>(QStringLiteral("planPath"));
    const QString home = SupervisorsFolder();
    where->setText(where->text().replace(QDir::toNativeSeparators(folder), home));
    window.resize(window.sizeHint());
    ok = ok && Save(window, out.filePath(QStringLiteral("day-parts.png")));
    window.hide();
    app.DayPartsWatch()->Line()->hide();
    return ok;
}

// Gives Qt's offscreen platform a screen of `screen` ("1600x900@192") through a
// configuration file in `folder`, before Qt starts; false for a malformed one.
bool ChooseOffscreenScreen(const QString& screen, const QString& folder) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform != "offscreen") return true;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)@(\\d+)$")).match(screen);
    if (!match.hasMatch()) return false;
    QFile config(QDir(folder).filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly)) return false;
    config.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                "\"height\": %2, \"logicalDpi\": %3, \"logicalBaseDpi\": 96}]}")
                     .arg(match.captured(1), match.captured(2), match.captured(3))
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QString screen = QStringLiteral("1600x1000@96");
    cv::Language language = cv::Language::English;
    bool pseudo = false;
    bool usable = argc >= 2 && argc % 2 == 0;
    for (int i = 2; usable && i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--screen") {
            screen = QString::fromLocal8Bit(argv[i + 1]);
        } else if (option == "--language" && (value == "en" || value == "es" || value == "fr")) {
            language = cv::ChooseLanguage(value, {}).language;
        } else if (option == "--language" && value == "pseudo") {
            pseudo = true;
        } else {
            usable = false;
        }
    }
    if (!usable) {
        std::fprintf(stderr, "usage: cvtimer-screenshots OUTDIR [--screen WIDTHxHEIGHT@DPI] [--language en|es|fr|pseudo]\n");
        return 2;
    }
    QTemporaryDir configFolder;
    if (!ChooseOffscreenScreen(screen, configFolder.path())) {
        std::fprintf(stderr, "cvtimer-screenshots: --screen takes WIDTHxHEIGHT@DPI, such as 1600x900@192\n");
        return 2;
    }
    QApplication application(argc, argv);
    if (pseudo)
        cv::InstallPseudoLanguage();
    else
        cv::InstallLanguage(language);
    // Dates as a user of that language sees them, on the printed page: a
    // Mexican Spanish and a Canadian French system. English keeps the
    // machine's own, as ever.
    if (pseudo || language == cv::Language::French) QLocale::setDefault(QLocale(QStringLiteral("fr_CA")));
    if (language == cv::Language::Spanish) QLocale::setDefault(QLocale(QStringLiteral("es_MX")));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;

    // The sheet remembers its port in a settings file; keep that one away
    // from wherever the screenshots are taken.
    QTemporaryDir settingsFolder;
    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts, settingsFolder.path().toStdString());
    cv::TimerSheetDialog& sheet = app.CreateSheet();
    // The About box as the Start Menu's program shows it, in a Documents folder
    // of the system's own form rather than the temporary one.
    const std::string documents =
        QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/Documents")).toStdString();
    cv::AboutDialog about({documents, cv::WorkFolder::Reason::Asked, documents}, &sheet);
    bool ok = Save(sheet, out.filePath(QStringLiteral("timer-sheet.png"))) &&
              Save(about, out.filePath(QStringLiteral("about-box.png")));
    about.hide();

    // A send on its way, over the sheet.
    cv::SendProgressDialog progress(&sheet, [] {});
    progress.ShowProgress(QCoreApplication::translate("cv::TimerSheetDialog", "Sending Timer %1 of %2").arg(3).arg(10));
    ok = ok && Save(progress, out.filePath(QStringLiteral("send-progress.png")));
    progress.hide();

    app.OnDayPlan();
    ok = ok && Save(*app.DayPlan(), out.filePath(QStringLiteral("day-plan.png")));

    // Titled as File > Print titles a sheet with no file, in the language shown.
    const cv::TimerPage page{QCoreApplication::translate("cv::TimerSheetDialog", "Corvellan Timers"), QDate(2026, 3, 14),
                             sheet.TimersOnSheet()};
    const QString pagePath = out.filePath(QStringLiteral("printed-page.png"));
    ok = ok && Report(cv::TimerPageImage(page, QPageSize(QPageSize::A4), 1240).save(pagePath), pagePath);
    // The page as File > Export PDF... writes it, which is what reaches paper.
    QFile pdf(out.filePath(QStringLiteral("printed-page.pdf")));
    ok = ok && Report(pdf.open(QIODevice::WriteOnly) && pdf.write(cv::TimerPagePdf(page, QPageSize(QPageSize::A4))) > 0,
                      pdf.fileName());

    // Port 13 chosen, with Port 14 also reaching an adapter. No item is hovered:
    // its tip would show the temporary folder's path.
    app.DayPlan()->hide();
    QApplication::setActiveWindow(&sheet);
    QTemporaryDir deviceFolder;
    sheet.SetPortRoot(MakeDeviceTree(deviceFolder.path()));
    sheet.SelectPort(13);
    ok = ok && SaveWithPortMenuOpen(sheet, out.filePath(QStringLiteral("comm-port-menu.png")));
    sheet.SetPortRoot("/");

    // A start time typed as a word, a priority that is no digit, names the
    // unit cannot take or show and a time written the French way, with the
    // start time's field in focus so the status bar reads it out; then the
    // name that holds a character beyond Latin-1, in focus.
    sheet.Field(2, cv::TimerField::StartTime)->setText(QStringLiteral("six"));
    sheet.Field(4, cv::TimerField::Priority)->setText(QStringLiteral("x"));
    sheet.Field(6, cv::TimerField::Name)->setText(QStringLiteral("Fries {large}"));
    sheet.Field(7, cv::TimerField::Name)->setText(QStringLiteral("\u0152ufs brouill\u00E9s"));
    sheet.Field(8, cv::TimerField::StartTime)->setText(QStringLiteral("18 h 30"));
    sheet.Field(2, cv::TimerField::StartTime)->setFocus();
    ok = ok && Save(sheet, out.filePath(QStringLiteral("timer-sheet-marked.png")));
    sheet.Field(7, cv::TimerField::Name)->setFocus();
    ok = ok && Save(sheet, out.filePath(QStringLiteral("timer-sheet-marked-name.png")));
    // The last field in focus: on a small screen the sheet scrolls to it.
    sheet.Field(9, cv::TimerField::Priority)->setFocus();
    ok = ok && Save(sheet, out.filePath(QStringLiteral("timer-sheet-last-field.png")));
    sheet.Field(2, cv::TimerField::StartTime)->setFocus();
    ok = ok && SaveSentToUnitAfterAPartialSend(app, sheet, settingsFolder.path(),
                                               out.filePath(QStringLiteral("sent-to-unit.png")));
    app.SentToUnit()->hide();
    ok = ok && SavePrintRecord(app, out);

    // Help > User Guide as it opens, at its contents, with the keys going to
    // the text (activation is asked for and comes later; here it is now).
    app.OnUserGuide();
    QApplication::setActiveWindow(app.UserGuide());
    ok = ok && Save(*app.UserGuide(), out.filePath(QStringLiteral("user-guide.png")));
    app.UserGuide()->hide();
    ok = ok && SaveDayParts(app, sheet, settingsFolder.path(), out);

    // The same windows in a dark palette and in High Contrast. Windows' own
    // style draws fields, menus and headers from the system's theme, not from
    // a palette set here, so there the pictures would show white text on white
    // fields that no real High Contrast theme shows: a real PC shows that look.
    if (QApplication::style()->name() == QLatin1String("windowsvista")) {
        std::printf("the windowsvista style draws from the system's theme: no dark or High Contrast pictures\n");
        return ok ? 0 : 1;
    }
    const std::pair<QPalette, QString> palettes[] = {{cv::sample_palettes::Dark(), QStringLiteral("dark")},
                                                     {cv::sample_palettes::HighContrast(), QStringLiteral("high-contrast")}};
    for (const auto& [palette, name] : palettes) {
        QApplication::setPalette(palette);
        QApplication::setActiveWindow(&sheet);
        sheet.Field(2, cv::TimerField::StartTime)->setFocus();
        ok = ok && Save(sheet, out.filePath(QStringLiteral("timer-sheet-marked-%1.png").arg(name)));
        app.OnDayPlan();
        ok = ok && Save(*app.DayPlan(), out.filePath(QStringLiteral("day-plan-%1.png").arg(name)));
        app.DayPlan()->hide();
        app.OnSentToUnit();
        cv::SentToUnitWindow& sent = *app.SentToUnit();
        sent.HeldTable()->setFocus();
        sent.HeldTable()->setCurrentCell(1, static_cast<int>(cv::TimerField::SnoozeTime));
        ok = ok && Save(sent, out.filePath(QStringLiteral("sent-to-unit-%1.png").arg(name)));
        sent.hide();
        app.OnUserGuide();
        QApplication::setActiveWindow(app.UserGuide());
        ok = ok && Save(*app.UserGuide(), out.filePath(QStringLiteral("user-guide-%1.png").arg(name)));
        app.UserGuide()->hide();
    }
    return ok ? 0 : 1;
}
