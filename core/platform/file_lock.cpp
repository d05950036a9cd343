#include "core/platform/file_lock.h"

#include <thread>
#include <utility>

namespace cv {

FileLock::~FileLock() { Release(); }

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), busy_(other.busy_), systemText_(std::move(other.systemText_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, kNone);
        busy_ = other.busy_;
        systemText_ = std::move(other.systemText_);
    }
    return *this;
}

void FileLock::Release() {
    if (handle_ != kNone) Close(handle_);  // closing the file lets go of the lock
    handle_ = kNone;
}

FileLock FileLock::Take(const std::string& lockPath, std::chrono::milliseconds wait) {
    FileLock lock;
    const std::intptr_t handle = OpenLockFile(lockPath, lock.systemText_);
    if (handle == kNone) return lock;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const Attempt attempt = TryLock(handle, lock.systemText_);
        if (attempt == Attempt::Locked) {
            lock.handle_ = handle;
            return lock;
        }
        if (attempt == Attempt::Failed) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            lock.busy_ = true;
            break;
        }
        // Neither system can wait for such a lock with a time limit; the
        // holder keeps it for milliseconds.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Close(handle);
    return lock;
}

}  // namespace cv
