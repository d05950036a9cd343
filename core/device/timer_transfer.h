#pragma once
// Sending the ten timers to the unit: two acknowledged messages per timer,
// settings first, then the name, stopping at the first timer that fails.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/device/line_settings.h"
#include "core/device/serial_error.h"
#include "core/timers/timer_record.h"

namespace cv {

class SerialLink;

inline constexpr int kUnitBaud = 9600;
inline constexpr std::chrono::milliseconds kAckTimeout{1000};

// Told what the transfer is doing, and asked whether to go on. KeepGoing is
// called after the open, between messages and every few tens of milliseconds
// while waiting for an answer, on the thread that runs the transfer.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void TimerStarted(int /*timerIndex*/) {}
    virtual void MessageSent(std::string_view /*message*/) {}
    virtual bool KeepGoing() { return true; }
};

enum class AckOutcome { Acknowledged, NoAnswer, WrongAnswer, WriteFailed, Vanished, Cancelled };

struct AckResult {
    AckOutcome outcome = AckOutcome::NoAnswer;
    char answer = 0;    // the byte received, for WrongAnswer
    SerialError error;  // for WriteFailed and Vanished
    // Whether the message went out, whole or (after a failed write) perhaps in
    // part: false for one never written, so the unit cannot have taken it.
    bool written = false;
};

// Drops anything already waiting (a late answer to an earlier message must not
// pass for this one), writes the message in one write, and waits up to the
// timeout for a single byte equal to ack.
AckResult SendAndAwaitAck(SerialLink& link, std::string_view message, char ack,
                          TransferObserver* observer = nullptr,
                          std::chrono::milliseconds timeout = kAckTimeout);

// Where the link goes: a port number through the port map, or, when
// devicePath is set, that device; and how the line is set when it opens.
struct LinkTarget {
    std::uint16_t portNumber = 1;
    std::string devicePath;
    LineSettings line{};
};

// Opens the link unless it is open already; a pending reset (a different port
// was chosen since) closes it first and is cleared.
bool OpenLink(SerialLink& link, const LinkTarget& target, bool& resetPending);

struct TimerSendResult {
    enum class Stage { Open, Settings, Name, Done };
    bool sent = false;  // both messages acknowledged
    Stage failedAt = Stage::Done;
    AckResult settings;
    AckResult name;
    SerialError openError;
};

// One timer: opens the link if needed, sends the settings message and then,
// whatever its answer, the name message (the unit expects the pair). Counts as
// sent only when both were acknowledged.
TimerSendResult SendTimer(SerialLink& link, const LinkTarget& target, bool& resetPending, int timerIndex,
                          const TimerRecord& record, TransferObserver* observer = nullptr);

struct SendReport {
    int sentCount = 0;       // timers acknowledged, from Timer 1 on
    int failedIndex = -1;    // the timer that failed, -1 when all ten were sent
    TimerSendResult failure; // what went wrong with it
    bool AllSent() const { return failedIndex < 0; }
};

// All ten timers in order, stopping at the first that fails; the timers after
// it are neither read nor sent. readTimer(i) supplies timer i just before it
// goes out.
SendReport SendTimers(SerialLink& link, const LinkTarget& target, bool& resetPending,
                      const std::function<TimerRecord(int)>& readTimer, TransferObserver* observer = nullptr);

// A sentence for the user on why a timer was not sent.
std::string DescribeSendFailure(int timerIndex, const TimerSendResult& result);

}  // namespace cv
