#include "core/platform/blocking_call.h"

#include <windows.h>

#include <mutex>

namespace cv {

namespace {

// Cancel may come from a console control thread while the bound thread lets go.
std::mutex gThreadLock;

}  // namespace

BlockingCallCanceller::~BlockingCallCanceller() { Unbind(); }

void BlockingCallCanceller::BindToThisThread() {
    HANDLE thread = nullptr;
    // GetCurrentThread() names whichever thread uses it; another thread needs a real handle.
    if (!::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(), &thread,
                           THREAD_TERMINATE, FALSE, 0))
        thread = nullptr;
    const std::lock_guard<std::mutex> lock(gThreadLock);
    if (thread_ != nullptr) ::CloseHandle(thread_);
    thread_ = thread;
}

void BlockingCallCanceller::Unbind() {
    const std::lock_guard<std::mutex> lock(gThreadLock);
    if (thread_ != nullptr) ::CloseHandle(thread_);
    thread_ = nullptr;
}

void BlockingCallCanceller::Cancel() {
    const std::lock_guard<std::mutex> lock(gThreadLock);
    if (thread_ != nullptr) ::CancelSynchronousIo(thread_);
}

}  // namespace cv
