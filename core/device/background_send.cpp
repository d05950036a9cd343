#include "core/device/background_send.h"

#include <utility>

namespace cv {

BackgroundSend::BackgroundSend(SerialLink& link, LinkTarget target, bool& resetPending, ReadTimer readTimer,
                               TransferObserver* observer, std::function<void()> finished)
    : observer_(observer), finished_(std::move(finished)) {
    thread_ = std::thread([this, &link, target = std::move(target), &resetPending, readTimer = std::move(readTimer)] {
        Run(link, target, resetPending, readTimer);
    });
}

BackgroundSend::~BackgroundSend() {
    if (thread_.joinable()) thread_.join();
}

void BackgroundSend::Cancel() {
    cancelled_ = true;
    canceller_.Cancel();
}

void BackgroundSend::Run(SerialLink& link, const LinkTarget& target, bool& resetPending, const ReadTimer& readTimer) {
    canceller_.BindToThisThread();
    report_ = SendTimers(link, target, resetPending, readTimer, &stopCheck_);
    canceller_.Unbind();
    if (finished_) finished_();
}

void BackgroundSend::StopCheck::TimerStarted(int timerIndex) {
    if (send_.observer_) send_.observer_->TimerStarted(timerIndex);
}

void BackgroundSend::StopCheck::MessageSent(std::string_view message) {
    if (send_.observer_) send_.observer_->MessageSent(message);
}

bool BackgroundSend::StopCheck::KeepGoing() {
    return !send_.cancelled_ && (!send_.observer_ || send_.observer_->KeepGoing());
}

}  // namespace cv
