#pragma once
// One run of the day-part plan: read the plan, find the due part, read its
// timer file and the record of sends, and send it when the unit does not
// hold it yet. cvtimerctl dayparts run, the system's scheduler through it,
// and the window's "Send Now" all run it; it reads the clock only through
// its `now`.

#include <chrono>
#include <ctime>
#include <optional>
#include <string>

#include "core/device/timer_transfer.h"
#include "core/schedule/day_part_decision.h"

namespace cv {

class SerialLink;

struct DayPartRunOptions {
    std::string planPath;
    std::string settingsFolder;  // CVTimerSystem.ini and the record of sends
    std::optional<int> port;     // a Comm Port instead of the plan's or the settings file's
    std::string device;          // a device instead of any port, as the user named it
    // How long a port another program holds is waited for before the run gives up.
    std::chrono::milliseconds busyWait{60000};
    // Decide only: nothing is sent, nothing written to the record (the
    // window's look at what the unit should hold).
    bool lookOnly = false;
};

class DayPartRunObserver : public TransferObserver {
public:
    // The port is held by another program and the run waits for it; told once.
    virtual void WaitingForPort(const std::string& /*sentence*/) {}
};

enum class DayPartOutcome {
    NoPlan,      // there is no plan file
    NothingDue,  // no part has started within the days looked back
    Refused,     // the plan cannot be used; nothing was sent
    Held,        // the unit holds the due part already
    HeldByHand,  // a send by hand since the part started stands
    Sent,        // the due part's timers went to the unit
    Failed,      // the sheet could not be read or sent; the unit keeps what it has
    WouldSend,   // lookOnly: the unit does not hold the due part, and a run would send it
};

struct DayPartRun {
    DayPartOutcome outcome = DayPartOutcome::NoPlan;
    DayPartPlan plan;
    std::optional<PartStart> due, next;
    std::string sheetPath;  // the due part's timer file
    PlanDecision decision;
    SendReport sendReport;  // Sent and Failed after a send was tried
    // What happened, for the person: the reason when refused or failed.
    std::string problem;
    // The person at the PC should hear of it now: the first failure for this
    // part's start, or a success after one (the record tells which).
    bool tell = false;
    std::string recordProblem;  // the record could not be read or written: a sentence, else ""
};

DayPartRun RunDayParts(const DayPartRunOptions& options, std::time_t now, const LocalZone& zone, SerialLink& link,
                       DayPartRunObserver* observer = nullptr);

// The due part's name, "" when none.
std::string DuePartName(const DayPartRun& run);

}  // namespace cv
