#pragma once
// One send as the record of sends keeps it: when, by whom, through which port
// to which device, from which timer file, how it ended, and for each timer
// what became of its two messages and the values they carried.

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "core/device/timer_transfer.h"
#include "core/timers/timer_record.h"

namespace cv {

// What became of one message to the unit.
enum class MessageFate {
    NotSent,         // never written: the unit holds what it held before
    Unacknowledged,  // written, but no "g" came back: it may or may not have been taken
    Acknowledged,    // the unit answered "g": it took it
};

struct TimerInSend {
    MessageFate settings = MessageFate::NotSent;
    MessageFate name = MessageFate::NotSent;
    // The values as they went out, when either message did: the name as the
    // unit got it (its first 19 characters, blank-padded to 20, as on the
    // wire), the priority's low 16 bits (as a timer file keeps it).
    TimerRecord values;

    bool AnySent() const { return settings != MessageFate::NotSent || name != MessageFate::NotSent; }
    friend bool operator==(const TimerInSend&, const TimerInSend&) = default;
};

// Where the timers on the sheet came from.
struct SendSource {
    std::string filePath;  // "" when they were typed, not loaded or saved
    bool changed = false;  // changed on the sheet since the file was loaded or saved
    friend bool operator==(const SendSource&, const SendSource&) = default;
};

// How a send came about: by hand (the window, cvtimerctl send), or by a run
// of the day-part plan, which names its plan and, when it got that far, the
// part it sent and the start that part was due at.
struct SendOrigin {
    std::string planPath;  // "" for a send by hand
    std::string dayPart;   // "" when the plan itself could not be used
    std::string due;       // with dayPart: the start the part was due at, a time stamp
    std::string late;      // how late after `due` the run came ("2 h 5 min"); "" when within the minute
    // Parts whose whole span went by while the plan did not run, never sent
    // afterwards: "Breakfast, due 2026-12-10 05:30:00 -05:00".
    std::vector<std::string> missed;

    bool ByPlan() const { return !planPath.empty(); }
    friend bool operator==(const SendOrigin&, const SendOrigin&) = default;
};

struct SendEntry {
    std::string when;  // "2025-03-14 14:02:33 +01:00", local time and its offset from UTC
    std::string user;
    int portNumber = 0;      // 0 when the device was named directly (cvtimerctl send --device)
    std::string device;      // the device the port reached, as messages name it ("COM5"); "" when there was none
    std::string deviceName;  // what the adapter calls itself, "" when not known
    SendSource source;
    SendOrigin origin;
    std::string outcome;  // the program's own words: "Timers Sent to Corvellan", or why not
    std::array<TimerInSend, kTimerCount> timers;

    friend bool operator==(const SendEntry&, const SendEntry&) = default;
};

// Everything a finished send knows about itself, for the record.
struct SendFacts {
    SendReport report;
    TimerRecords records;     // the timers as they went out; those the send did not reach are not looked at
    int portNumber = 0;       // 0 when the device was named directly
    std::string devicePath;   // the device opened (or tried); "" when the port had none
    std::string deviceName;   // "" when not known
    SendSource source;
    std::string settingsFolder;  // the folder of CVTimerSystem.ini; the record lives beside it
    SendOrigin origin;           // its `late` is worked out from `due` when the entry is made
    // When set, the entry records a run of the plan that sent nothing, and this
    // (in English, as the record keeps it) is its outcome: the report is not read.
    std::string unsentBecause;
};

// The facts of a send made to target through link: its port number (0 when
// the target named a device), the device the link reached and that device's
// name as the port map finds it under root.
SendFacts FactsOfSend(const SendReport& report, const TimerRecords& records, const LinkTarget& target,
                      const SerialLink& link, SendSource source, std::string settingsFolder,
                      const std::string& root = "/");

// "Timers Sent to Corvellan", or "Unable to Send Timers to Corvellan. Timer 3
// was not sent: ...": what the user was told, in one line.
std::string DescribeSendOutcome(const SendReport& report);

// An outcome as the record keeps it (in English), in the user's language:
// the words the program wrote are translated; why a send stopped is told in
// the user's words for a send this program run made (MakeSendEntry keeps
// them), and quoted as the record has it for any other.
std::string DescribeRecordedOutcome(const std::string& outcome);

// After a send that stopped partway, which timers the unit took, which part
// it may or may not have taken, and which were not sent: "The unit took
// Timers 1 and 2 and Timer 3's settings; whether it took Timer 3's name is
// not known. Timers 4 to 10 were not sent." "" when all ten were sent, and
// when nothing was sent at all.
std::string DescribeWhatTheUnitTook(const SendReport& report);

// The entry for a send, each message's fate read from its report; texts are
// made fit for the record (CleanRecordText), a name as NameFieldAsSent.
SendEntry MakeSendEntry(const SendFacts& facts, std::string when, std::string user);

// The 20 characters of the name message that carry the name: its first 19
// characters, blank-padded, each control character as NameWithoutControls
// makes it.
std::string NameFieldAsSent(const TimerRecord& record);

// A Latin-1 name with each control character as "?": one below 0x20 or 0x7F,
// which no send lets through, and one of 0x80 to 0x9F, which would break the
// record's line in some editors.
std::string NameWithoutControls(std::string name);

// "2025-03-14 14:02:33 +01:00" for local time `local` that lies `utcOffsetSeconds`
// ahead of UTC.
std::string FormatTimeStamp(const std::tm& local, long utcOffsetSeconds);

// `when` in local time with its offset from UTC; TimeStampNow for now.
std::string TimeStampAt(std::time_t when);
std::string TimeStampNow();

// Whether text has the form FormatTimeStamp writes.
bool IsTimeStamp(std::string_view text);

// The moment a time stamp stands for; nothing when text is not one.
std::optional<std::time_t> MomentOfTimeStamp(std::string_view text);

}  // namespace cv
