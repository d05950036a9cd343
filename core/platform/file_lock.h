#pragma once
// A lock that programs sharing a folder take before they change a file that
// more than one of them writes: an advisory lock on a small lock file beside
// it (flock on Linux, LockFileEx on Windows). The lock file itself is never
// removed, so two holders can never lock two different files; the system
// lets go of the lock when its holder ends, however it ends.

#include <chrono>
#include <cstdint>
#include <string>

namespace cv {

class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return handle_ != kNone; }
    // When not held: whether another holder kept it all the time the caller
    // was willing to wait, or else the system's reason.
    bool Busy() const { return busy_; }
    const std::string& SystemText() const { return systemText_; }

    // Takes the lock on lockPath, created when missing, trying again while
    // another holder has it until `wait` has passed.
    static FileLock Take(const std::string& lockPath, std::chrono::milliseconds wait);

private:
    static constexpr std::intptr_t kNone = -1;
    enum class Attempt { Locked, Busy, Failed };
    // One per system: open (or create) the lock file, try once to lock it, close it.
    static std::intptr_t OpenLockFile(const std::string& lockPath, std::string& systemText);
    static Attempt TryLock(std::intptr_t handle, std::string& systemText);
    static void Close(std::intptr_t handle);
    void Release();

    std::intptr_t handle_ = kNone;  // a file descriptor, or a HANDLE on Windows
    bool busy_ = false;
    std::string systemText_;
};

}  // namespace cv
