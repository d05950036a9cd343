#include "core/device/background_send.h"

#include <utility>

namespace cv {

BackgroundSend::BackgroundSend(SerialLink& link, LinkTarget target, bool& resetPending, ReadTimer readTimer,
                               std::function<void()> finished)
    : finished_(std::move(finished)) {
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

}  // namespace cv
