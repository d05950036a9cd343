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

    // Starts SendTimers at once. readTimer and observer run on the send's
    // thread (readTimer may hand its work to the caller's thread and wait for
    // it); finished runs there last, once Report() is ready. The link,
    // resetPending and the observer must outlive the send and be left alone
    // meanwhile.
    BackgroundSend(SerialLink& link, LinkTarget target, bool& resetPending, ReadTimer readTimer,
                   TransferObserver* observer, std::function<void()> finished);
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
        StopCheck(BackgroundSend& send) : send_(send) {}
        void TimerStarted(int timerIndex) override;
        void MessageSent(std::string_view message) override;
        bool KeepGoing() override;

    private:
        BackgroundSend& send_;
    };

    void Run(SerialLink& link, const LinkTarget& target, bool& resetPending, const ReadTimer& readTimer);

    TransferObserver* observer_;
    std::function<void()> finished_;
    std::atomic<bool> cancelled_{false};
    BlockingCallCanceller canceller_;
    StopCheck stopCheck_{*this};
    SendReport report_;
    std::thread thread_;
};

}  // namespace cv
