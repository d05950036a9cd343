#include "gui/day_part_watch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <ctime>

#include "core/device/serial_link.h"
#include "core/platform/screen_reader_notice.h"
#include "core/record/send_log.h"
#include "core/schedule/day_part_run.h"
#include "core/schedule/plan_week.h"
#include "core/timers/clock_text.h"
#include "gui/prompts.h"
#include "gui/sheet/day_part_line.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

namespace {

constexpr std::string_view kSentOutcome = "Timers Sent to Corvellan";

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString PartName(const DayPartRun& run, int part) {
    return Text(run.plan.parts[static_cast<std::size_t>(part)].name);
}

DayPartRunOptions OptionsFor(const std::string& planPath, const std::string& folder) {
    DayPartRunOptions options;
    options.planPath = planPath;
    options.settingsFolder = folder;
    return options;
}

}  // namespace

DayPartWatch::DayPartWatch(TimerSheetDialog& sheet, Prompts& prompts, std::string folder)
    : sheet(sheet), prompts(prompts), folder(std::move(folder)), planPath(DayPartPlanPathIn(this->folder)) {
    settle.setSingleShot(true);
    settle.setInterval(300);
    connect(&settle, &QTimer::timeout, this, &DayPartWatch::LookAgain);
    nextChange.setSingleShot(true);
    connect(&nextChange, &QTimer::timeout, this, &DayPartWatch::LookAgain);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &settle, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, qOverload<>(&QTimer::start));
    LookAgain();
}

QString DayPartWatch::When(std::time_t moment) const {
    const SystemZone zone;
    const WallClock clock = WallClockAt(moment, zone);
    const QString time = Text(FormatClockTime(clock.minuteOfDay));
    if (clock.date == WallClockAt(now(), zone).date) return time;
    return tr("%1 %2").arg(Text(DayLabel(clock.date)), time);
}

DayPartWatch::~DayPartWatch() {
    if (sending.joinable()) sending.join();
}

void DayPartWatch::Watch() {
    // A file replaced by a rename is a new file to watch: the folder's change says so.
    QStringList paths{Text(folder)};
    for (const std::string& file : {planPath, SendLogPathIn(folder)}) {
        if (QFileInfo::exists(Text(file))) paths << Text(file);
    }
    for (const QString& path : paths) {
        if (!watcher.files().contains(path) && !watcher.directories().contains(path)) watcher.addPath(path);
    }
}

void DayPartWatch::LookAgain() {
    Watch();
    DayPartRunOptions options = OptionsFor(planPath, folder);
    options.lookOnly = true;
    SerialLink unused;  // a look opens no port
    const DayPartRun run = RunDayParts(options, now(), SystemZone(), unused);
    Show(run);
    TellNewPlanSends();
    nextChange.stop();
    if (run.next) {
        // At the next start, or within the hour should the clock be moved.
        const long long seconds = static_cast<long long>(run.next->at - now()) + 1;
        nextChange.start(static_cast<int>(std::clamp<long long>(seconds, 1, 3600) * 1000));
    }
}

void DayPartWatch::Show(const DayPartRun& run) {
    if (run.outcome == DayPartOutcome::NoPlan) {
        if (line) line->Show(QString(), false);
        return;
    }
    if (!line) {
        line = sheet.ShowDayPartLine();
        connect(line, &DayPartLine::sendNowRequested, this, &DayPartWatch::SendNow);
    }
    const QString part = run.due ? PartName(run, run.due->part) : QString();
    const QString since = run.due ? When(run.due->at) : QString();
    const QString next = run.next ? PartName(run, run.next->part) : QString();
    const QString nextAt = run.next ? When(run.next->at) : QString();
    QString text;
    bool offerSend = false;
    switch (run.outcome) {
        case DayPartOutcome::NoPlan: break;
        case DayPartOutcome::Refused: text = tr("Day parts: the plan cannot be used. %1").arg(Text(run.problem)); break;
        case DayPartOutcome::NothingDue:
            text = run.next ? tr("Day parts: no part is due yet; the first, %1, starts at %2.").arg(next, nextAt)
                            : tr("Day parts: no part is due, and none starts again.");
            break;
        case DayPartOutcome::Held:
        case DayPartOutcome::Sent:
            text = run.next ? tr("Day parts: the unit holds %1, due since %2. Next change: %3 at %4.").arg(part, since, next, nextAt)
                            : tr("Day parts: the unit holds %1, due since %2.").arg(part, since);
            break;
        case DayPartOutcome::HeldByHand:
            text = tr("Day parts: %1 is due since %2, but a send by hand at %3 holds until the next change.")
                       .arg(part, since, Text(run.decision.byHandWhen));
            break;
        case DayPartOutcome::WouldSend:
            text = tr("Day parts: %1 is due since %2, but the unit does not hold its timers.").arg(part, since);
            offerSend = !IsSending();
            break;
        case DayPartOutcome::Failed:
            text = tr("Day parts: %1 is due since %2, but its timers cannot be sent. %3").arg(part, since, Text(run.problem));
            break;
    }
    line->Show(text, offerSend);
}

void DayPartWatch::TellNewPlanSends() {
    const SendLogRead read = ReadNewestSendEntries(SendLogPathIn(folder), [](const std::vector<SendEntry>&) { return true; });
    const std::vector<SendEntry>& entries = read.content.entries;
    const auto newest = std::find_if(entries.rbegin(), entries.rend(), [](const SendEntry& entry) {
        return entry.origin.ByPlan() && !entry.origin.dayPart.empty() && entry.outcome == kSentOutcome;
    });
    // Told apart by when it was sent and the start it was due at.
    const std::string key = newest == entries.rend() ? std::string() : newest->when + " " + newest->origin.due;
    const std::string when = newest == entries.rend() ? std::string() : newest->when;
    const bool first = !recordRead;
    recordRead = true;
    if (key == newestPlanEntry) return;
    newestPlanEntry = key;
    if (first) return;  // sends made before the window looked are Sent to Unit's to show
    const std::optional<std::time_t> moment = MomentOfTimeStamp(when);
    const QString told = tr("%1 sent to the unit at %2 by the day-part plan")
                             .arg(Text(newest->origin.dayPart), moment ? When(*moment) : Text(when));
    sheet.StatusBar()->showMessage(told);
    NoticeToScreenReader(sheet.winId(), told.toStdString());
    emit planSent();
}

void DayPartWatch::SendNow() {
    if (IsSending()) return;
    if (line) line->SendNowButton()->setEnabled(false);
    sheet.StatusBar()->showMessage(tr("Sending the due part's timers to the unit..."));
    auto run = std::make_shared<DayPartRun>();
    const DayPartRunOptions options = OptionsFor(planPath, folder);
    sending = std::thread([this, run, options, moment = now()] {
        SerialLink link;
        *run = RunDayParts(options, moment, SystemZone(), link);
        QMetaObject::invokeMethod(this, [this, run] { SendNowDone(run); }, Qt::QueuedConnection);
    });
}

void DayPartWatch::SendNowDone(std::shared_ptr<DayPartRun> run) {
    sending.join();
    if (line) line->SendNowButton()->setEnabled(true);
    sheet.StatusBar()->clearMessage();
    const QString part = run->due ? PartName(*run, run->due->part) : QString();
    if (run->outcome == DayPartOutcome::Sent || run->outcome == DayPartOutcome::Held) {
        const QString told = tr("%1 sent to the unit at %2 by the day-part plan").arg(part, When(now()));
        sheet.StatusBar()->showMessage(told);
        NoticeToScreenReader(sheet.winId(), told.toStdString());
    } else {
        prompts.ShowMessage(&sheet, {tr("Day Parts"), tr("The timers of %1 were not sent").arg(part),
                                     Text(run->problem + (run->recordProblem.empty() ? "" : "\n\n" + run->recordProblem)),
                                     PromptMessage::Icon::Warning});
    }
    LookAgain();
    emit planSent();
    emit sendNowFinished();
}

}  // namespace cv
