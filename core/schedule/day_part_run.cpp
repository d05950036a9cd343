#include "core/schedule/day_part_run.h"

#include <algorithm>
#include <functional>
#include <thread>
#include <utility>

#include "core/device/port_holder.h"
#include "core/device/port_map.h"
#include "core/device/serial_link.h"
#include "core/language/tr.h"
#include "core/record/send_log.h"
#include "core/settings/line_setting.h"
#include "core/settings/port_setting.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/sentence.h"
#include "core/timers/unit_names.h"

namespace cv {

namespace {

constexpr std::string_view kSentOutcome = "Timers Sent to Corvellan";

// The newest entry of the plan for this unit: for this part's due start, or
// of any kind; nothing when there is none.
const SendEntry* NewestPlanEntry(const std::vector<SendEntry>& entries, const UnitChoice& unit,
                                 std::optional<std::pair<std::string, std::string>> start = std::nullopt) {
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->origin.ByPlan() || !SendReached(*entry, unit)) continue;
        if (!start || (entry->origin.dayPart == start->first && entry->origin.due == start->second)) return &*entry;
    }
    return nullptr;
}

bool IsFailure(const SendEntry* entry) { return entry && entry->outcome != kSentOutcome; }

class Runner {
public:
    Runner(const DayPartRunOptions& options, std::time_t now, const LocalZone& zone, SerialLink& link,
           DayPartRunObserver* observer)
        : options_(options), now_(now), zone_(zone), link_(link), observer_(observer) {}

    DayPartRun Run();

private:
    UnitChoice Unit() const;
    // A run that sends nothing: its English outcome goes into the record
    // unless the newest entry for the same start says the same already; the
    // person is told when it is new.
    void NotSent(DayPartOutcome outcome, std::string problem, const std::string& englishOutcome);
    // The record's newest entries, as far back as `enough` needs.
    void ReadRecord(const std::function<bool(const std::vector<SendEntry>&)>& enough);
    bool OpenWaitingWhileBusy(const LinkTarget& target);
    void Send(const TimerRecords& records);
    SendOrigin Origin() const;

    const DayPartRunOptions& options_;
    std::time_t now_;
    const LocalZone& zone_;
    SerialLink& link_;
    DayPartRunObserver* observer_;
    std::string settingsPath_;
    std::vector<SendEntry> entries_;
    DayPartRun run_;
};

UnitChoice Runner::Unit() const {
    if (!options_.device.empty()) return UnitChoice{0, DisplayDeviceName(DeviceFromUserName(options_.device))};
    if (options_.port) return UnitChoice{*options_.port, ""};
    if (run_.plan.port > 0) return UnitChoice{run_.plan.port, ""};
    return UnitChoice{ReadPortNumber(settingsPath_), ""};
}

SendOrigin Runner::Origin() const {
    SendOrigin origin;
    origin.planPath = options_.planPath;
    if (run_.due) {
        origin.dayPart = DuePartName(run_);
        origin.due = DueStamp(*run_.due, zone_);
    }
    for (const PartStart& missed : run_.decision.missed) origin.missed.push_back(MissedText(run_.plan, missed, zone_));
    return origin;
}

void Runner::NotSent(DayPartOutcome outcome, std::string problem, const std::string& englishOutcome) {
    run_.outcome = outcome;
    run_.problem = std::move(problem);
    if (options_.lookOnly) return;
    const UnitChoice unit = Unit();
    const SendOrigin origin = Origin();
    // A refused plan is compared with the plan's newest entry of any kind.
    const SendEntry* newest = outcome == DayPartOutcome::Refused ? NewestPlanEntry(entries_, unit)
                                                                  : NewestPlanEntry(entries_, unit, {{origin.dayPart, origin.due}});
    if (newest && newest->outcome == englishOutcome) return;  // said and told before
    run_.tell = !IsFailure(newest);
    SendFacts facts;
    facts.portNumber = unit.portNumber;
    facts.devicePath = options_.device.empty() ? "" : DeviceFromUserName(options_.device);
    facts.source.filePath = run_.sheetPath;
    facts.settingsFolder = options_.settingsFolder;
    facts.origin = origin;
    facts.unsentBecause = englishOutcome;
    if (const SendLogWrite written = RecordSend(facts); !written.problem.empty()) run_.recordProblem = written.problem;
}

bool Runner::OpenWaitingWhileBusy(const LinkTarget& target) {
    const auto deadline = std::chrono::steady_clock::now() + options_.busyWait;
    bool told = false;
    for (;;) {
        const bool open = target.devicePath.empty() ? link_.Open(target.portNumber, kUnitBaud, target.line)
                                                    : link_.OpenDevice(target.devicePath, kUnitBaud, target.line);
        if (open) return true;
        if (link_.LastError().kind != SerialErrorKind::Busy || std::chrono::steady_clock::now() >= deadline) return false;
        if (!told && observer_) {
            told = true;
            const std::string device = DisplayDeviceName(link_.LastError().device);
            const std::string seconds = std::to_string(options_.busyWait.count() / 1000);
            const std::optional<PortHolder> holder = FindPortHolder(link_.LastError().device);
            observer_->WaitingForPort(
                holder ? FillPlaceholders(Tr("DayParts", "%1 is in use by %2 (process %3); waiting up to %4 seconds for it."),
                                          {device, holder->program, std::to_string(holder->process), seconds})
                       : FillPlaceholders(Tr("DayParts", "%1 is in use by another program; waiting up to %2 seconds for it."),
                                          {device, seconds}));
        }
        // Short steps, so that an interrupt is not kept waiting.
        for (int step = 0; step < 10; ++step) {
            if (observer_ && !observer_->KeepGoing()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
}

void Runner::Send(const TimerRecords& records) {
    const LineSettingsReading line = ReadLineSettings(settingsPath_);
    if (!line.problem.empty()) {
        std::string english;
        {
            const SourceTextsOnly source;
            english = ReadLineSettings(settingsPath_).problem;
        }
        NotSent(DayPartOutcome::Failed, line.problem, english);
        return;
    }
    LinkTarget target;
    const UnitChoice unit = Unit();
    target.portNumber = static_cast<std::uint16_t>(unit.portNumber);
    if (!options_.device.empty()) target.devicePath = DeviceFromUserName(options_.device);
    target.line = line.settings;
    const std::string settingsPath = settingsPath_;
    link_.SetPortResolver([settingsPath](int port) { return FindPortDevice(port, ReadPortOverrides(settingsPath)); });

    const SendEntry* before = NewestPlanEntry(entries_, unit, {{DuePartName(run_), DueStamp(*run_.due, zone_)}});
    OpenWaitingWhileBusy(target);
    bool resetPending = false;
    run_.sendReport = SendTimers(link_, target, resetPending,
                                 [&records](int index) { return records[static_cast<std::size_t>(index)]; }, observer_);
    SendFacts facts = FactsOfSend(run_.sendReport, records, target, link_, SendSource{run_.sheetPath, false},
                                  options_.settingsFolder);
    link_.Close();
    facts.origin = Origin();
    // A try that ends as the last one for this start did, to the letter (a
    // unit that stays silent, a port that stays missing), is not written
    // again: the record keeps what changed, not every retry.
    const SendEntry entry = MakeSendEntry(facts, "", "");
    const bool sameAsBefore = before && before->outcome == entry.outcome && before->timers == entry.timers;
    if (!sameAsBefore) {
        if (const SendLogWrite written = RecordSend(facts); !written.problem.empty()) run_.recordProblem = written.problem;
    }
    if (run_.sendReport.AllSent()) {
        run_.outcome = DayPartOutcome::Sent;
        run_.tell = IsFailure(before);
        return;
    }
    run_.outcome = DayPartOutcome::Failed;
    run_.problem = DescribeSendFailure(run_.sendReport.failedIndex, run_.sendReport.failure);
    const SerialError& error = run_.sendReport.failure.openError;
    if (run_.sendReport.failure.failedAt == TimerSendResult::Stage::Open && error.kind == SerialErrorKind::Busy) {
        if (const std::optional<PortHolder> holder = FindPortHolder(error.device))
            run_.problem = FillPlaceholders(Tr("DayParts", "%1 is still in use by %2 (process %3) after %4 seconds. Close that program, or send later."),
                                            {DisplayDeviceName(error.device), holder->program,
                                             std::to_string(holder->process),
                                             std::to_string(options_.busyWait.count() / 1000)});
    }
    // A failure is told once for each start of a part, at its first try.
    run_.tell = !IsFailure(before);
}

void Runner::ReadRecord(const std::function<bool(const std::vector<SendEntry>&)>& enough) {
    const SendLogRead log = ReadNewestSendEntries(SendLogPathIn(options_.settingsFolder), enough);
    if (!log.ok) run_.recordProblem = log.problem;
    entries_ = log.content.entries;
}

DayPartRun Runner::Run() {
    settingsPath_ = SettingsPathIn(options_.settingsFolder);
    const DayPartPlanReading reading = ReadDayPartPlan(options_.planPath);
    if (reading.status == DayPartPlanReading::Status::Missing) {
        run_.outcome = DayPartOutcome::NoPlan;
        return run_;
    }
    if (reading.status == DayPartPlanReading::Status::Refused) {
        const UnitChoice unit = Unit();
        ReadRecord([&unit](const std::vector<SendEntry>& newest) {
            return std::any_of(newest.begin(), newest.end(),
                               [&](const SendEntry& entry) { return entry.origin.ByPlan() && SendReached(entry, unit); });
        });
        std::string english;
        {
            const SourceTextsOnly source;
            english = "The day-part plan was not run. " + ReadDayPartPlan(options_.planPath).problem;
        }
        NotSent(DayPartOutcome::Refused, reading.problem, english);
        return run_;
    }
    run_.plan = reading.plan;
    const DuePart due = FindDuePart(run_.plan, now_, zone_);
    run_.due = due.due;
    run_.next = due.next;
    if (!run_.due) {
        run_.outcome = DayPartOutcome::NothingDue;
        return run_;
    }
    const DayPart& part = run_.plan.parts[static_cast<std::size_t>(run_.due->part)];
    run_.sheetPath = SheetPathOf(options_.planPath, part);
    const UnitChoice unit = Unit();
    const std::time_t dueAt = run_.due->at;
    ReadRecord([&unit, dueAt](const std::vector<SendEntry>& newest) { return RecordTellsEnough(newest, unit, dueAt); });
    const TimerFileContent content = ReadTimerFile(run_.sheetPath);
    std::optional<std::string> refusal;
    if (content.ok) {
        std::array<std::string, kTimerCount> names;
        for (std::size_t index = 0; index < names.size(); ++index) names[index] = content.records[index].name;
        refusal = FindForeignName(content.shownNames, NameUse::Send);
        if (!refusal) refusal = FindUnsendableName(names);
    }
    if (!content.ok || refusal) {
        const auto why = [&] {
            const std::string reason = content.ok ? *refusal : TimerFileErrorDetailText(content.error);
            return FillPlaceholders(Tr("DayParts", "The timers of %1 cannot be sent: %2 The unit keeps what it holds."),
                                    {part.name, reason});
        };
        const std::string problem = why();
        std::string english;
        {
            const SourceTextsOnly source;
            english = why();
        }
        NotSent(DayPartOutcome::Failed, problem, english);
        return run_;
    }
    run_.decision = DecideDayPartSend(run_.plan, *run_.due, entries_, Unit(), content.records, zone_);
    switch (run_.decision.verdict) {
        case PlanVerdict::Held: run_.outcome = DayPartOutcome::Held; return run_;
        case PlanVerdict::HeldByHand: run_.outcome = DayPartOutcome::HeldByHand; return run_;
        case PlanVerdict::Send:
            if (options_.lookOnly) run_.outcome = DayPartOutcome::WouldSend;
            else Send(content.records);
            return run_;
    }
    return run_;
}

}  // namespace

DayPartRun RunDayParts(const DayPartRunOptions& options, std::time_t now, const LocalZone& zone, SerialLink& link,
                       DayPartRunObserver* observer) {
    return Runner(options, now, zone, link, observer).Run();
}

std::string DuePartName(const DayPartRun& run) {
    if (!run.due || run.due->part < 0 || static_cast<std::size_t>(run.due->part) >= run.plan.parts.size()) return "";
    return run.plan.parts[static_cast<std::size_t>(run.due->part)].name;
}

}  // namespace cv
