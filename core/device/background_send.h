#pragma once
// A send of the ten timers on a thread of its own, so whoever started it (the
// window) stays free to repaint and to take a Cancel, also while a port takes
// seconds to open.

#include <atomic>
#include <functional>
#include <thread>

#include "core/device/timer_transfer.h"
#include "core/platform/blocking_call.h"

namespace cv {

class BackgroundSend {
public:
    using ReadTimer = std::function<TimerRecord(int timerIndex)>;

    // Starts SendTimers at once. readTimer runs on the send's thread (it may
    // hand its work to the caller's thread and wait for it); finished runs
    // there last, once Report() is ready. The link and resetPending must
    // outlive the send and be left alone meanwhile.
    BackgroundSend(SerialLink& link, LinkTarget target, bool& resetPending, ReadTimer readTimer,
                   std::function<void()> finished);
    // Waits for the send to end.
    ~BackgroundSend();
    BackgroundSend(const BackgroundSend&) = delete;
    BackgroundSend& operator=(const BackgroundSend&) = delete;

    // From any thread: the send stops at its next step, and a blocking open,
    // read or write is cut short where the system allows it.
    void Cancel();

    // What the send did; valid once finished has run.
    const SendReport& Report() const { return report_; }

private:
    class StopCheck : public TransferObserver {
    public:
        explicit StopCheck(const std::atomic<bool>& cancelled) : cancelled_(cancelled) {}
        bool KeepGoing() override { return !cancelled_; }

    private:
        const std::atomic<bool>& cancelled_;
    };

    void Run(SerialLink& link, const LinkTarget& target, bool& resetPending, const ReadTimer& readTimer);

    std::function<void()> finished_;
    std::atomic<bool> cancelled_{false};
    BlockingCallCanceller canceller_;
    StopCheck stopCheck_{cancelled_};
    SendReport report_;
    std::thread thread_;
};

}  // namespace cv
