// cvtimerctl dayparts run: what the system's scheduler starts at every change
// of the day. It decides from the plan, the clock and the record of sends,
// sends when the unit does not hold the due part, and tells the person at the
// PC when a switch fails (once per part) and when a later try succeeds.

#include <atomic>
#include <cstdio>
#include <ctime>

#include "core/device/serial_link.h"
#include "core/language/tr.h"
#include "core/platform/blocking_call.h"
#include "core/platform/desktop_notice.h"
#include "core/record/send_entry.h"
#include "core/schedule/day_part_run.h"
#include "core/schedule/plan_week.h"
#include "core/settings/folder_paths.h"
#include "core/timers/clock_text.h"
#include "core/timers/sentence.h"
#include "tools/console.h"
#include "tools/ctl_progress.h"
#include "tools/ctl_dayparts.h"

namespace cv {

namespace {

std::atomic<int> gStopSignal{0};
BlockingCallCanceller gCanceller;

void OnStopSignal(int signalNumber) {
    gStopSignal = signalNumber;
    gCanceller.Cancel();
}

class PrintingObserver : public DayPartRunObserver {
public:
    void TimerStarted(int timerIndex) override { PrintTimerStarted(timerIndex); }
    void MessageSent(std::string_view message) override { PrintMessageSent(message); }
    bool KeepGoing() override { return gStopSignal == 0; }
    void WaitingForPort(const std::string& sentence) override { std::printf("%s\n", sentence.c_str()); }
};

std::string ClockAt(std::time_t moment, const LocalZone& zone) {
    return FormatClockTime(WallClockAt(moment, zone).minuteOfDay);
}

void TellNext(const DayPartRun& run, const LocalZone& zone) {
    if (!run.next) return;
    const WallClock clock = WallClockAt(run.next->at, zone);
    std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "Next change: %1 at %2, %3."),
                                         {run.plan.parts[static_cast<std::size_t>(run.next->part)].name,
                                          FormatClockTime(clock.minuteOfDay), DayLabel(clock.date)})
                            .c_str());
}

// What the person at the PC is told, as a notice from a program with no window.
void Notify(const DayPartRun& run, const LocalZone& zone) {
    std::string title, text;
    NoticeLevel level = NoticeLevel::Warning;
    const std::string part = DuePartName(run);
    if (run.outcome == DayPartOutcome::Sent) {
        level = NoticeLevel::Information;
        title = Tr("Notice", "CV Timer: the unit is right again");
        text = FillPlaceholders(Tr("Notice", "%1 sent to the unit at %2 by the day-part plan."),
                                {part, ClockAt(std::time(nullptr), zone)});
    } else if (run.outcome == DayPartOutcome::Refused) {
        title = Tr("Notice", "CV Timer: the day-part plan cannot be used");
        text = run.problem;
    } else {
        title = FillPlaceholders(Tr("Notice", "CV Timer: %1 was not sent"), {part});
        text = FillPlaceholders(Tr("Notice", "%1 The unit keeps what it holds; the plan tries again at its next run."),
                                {run.problem});
    }
    if (const std::string problem = ShowDesktopNotice(title, text, level); !problem.empty())
        std::fprintf(stderr, "cvtimerctl: %s\n", problem.c_str());
}

}  // namespace

int RunDayPartsRun(const DayPartsOptions& options) {
    DayPartRunOptions run;
    run.planPath = AbsolutePath(options.planPath);
    run.settingsFolder = StartFolder();
    run.port = options.unit.port;
    if (options.unit.device) run.device = *options.unit.device;

    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    gCanceller.BindToThisThread();
    CatchStopSignals(OnStopSignal);
    const SystemZone zone;
    SerialLink link;
    PrintingObserver observer;
    const DayPartRun result = RunDayParts(run, std::time(nullptr), zone, link, &observer);
    gCanceller.Unbind();

    if (!result.recordProblem.empty()) std::fprintf(stderr, "cvtimerctl: %s\n", result.recordProblem.c_str());
    for (const PartStart& missed : result.decision.missed) {
        const WallClock clock = WallClockAt(missed.at, zone);
        std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "Missed while the plan did not run: %1, due at %2, %3."),
                                             {result.plan.parts[static_cast<std::size_t>(missed.part)].name,
                                              FormatClockTime(clock.minuteOfDay), DayLabel(clock.date)})
                                .c_str());
    }
    const std::string part = DuePartName(result);
    int status = 0;
    switch (result.outcome) {
        case DayPartOutcome::NoPlan:
            std::fprintf(stderr, "%s\n",
                         FillPlaceholders(Tr("CtlDayParts", "cvtimerctl: there is no day-part plan: %1 does not exist."),
                                          {run.planPath})
                             .c_str());
            return 3;
        case DayPartOutcome::NothingDue:
            std::printf("%s\n", Tr("CtlDayParts", "No day part is due: none started in the eight days before now. The unit keeps what it holds.").c_str());
            TellNext(result, zone);
            return 3;
        case DayPartOutcome::Refused:
            std::fprintf(stderr, "%s\n", result.problem.c_str());
            status = 2;
            break;
        case DayPartOutcome::Held:
            std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "The unit holds the timers of %1 already; nothing was sent."), {part}).c_str());
            TellNext(result, zone);
            break;
        case DayPartOutcome::HeldByHand:
            std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "A send by hand at %1, after %2 started, holds until the next change; the plan leaves the unit alone."),
                                                 {result.decision.byHandWhen, part})
                                    .c_str());
            TellNext(result, zone);
            break;
        case DayPartOutcome::Sent: {
            std::printf("%s\n", Tr("SendOutcome", "Timers Sent to Corvellan").c_str());
            const long late = static_cast<long>((std::time(nullptr) - result.due->at) / 60);
            std::printf("%s\n", (late >= 1 ? FillPlaceholders(Tr("CtlDayParts", "%1 sent to the unit by the day-part plan, %2 after its start at %3."),
                                                              {part, FormatDuration(static_cast<MinutesOfDay>(std::min(late, 65535L))), ClockAt(result.due->at, zone)})
                                            : FillPlaceholders(Tr("CtlDayParts", "%1 sent to the unit by the day-part plan, due at %2."),
                                                               {part, ClockAt(result.due->at, zone)}))
                                    .c_str());
            TellNext(result, zone);
            break;
        }
        case DayPartOutcome::WouldSend:  // only a look asks for this
        case DayPartOutcome::Failed:
            std::fprintf(stderr, "%s\n%s\n", FillPlaceholders(Tr("CtlDayParts", "The day-part plan could not send %1."), {part}).c_str(),
                         result.problem.c_str());
            status = gStopSignal != 0 ? 128 + gStopSignal : 1;
            break;
    }
    if (result.tell && gStopSignal == 0) Notify(result, zone);
    return status;
}

}  // namespace cv
