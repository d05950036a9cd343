#pragma once
// Cutting short a system call another thread is blocked in: an open of a port
// that hangs (a Bluetooth port can take many seconds), a read or a write.
//
// Windows: the bound thread's synchronous I/O is cancelled (CancelSynchronousIo);
// the call fails with ERROR_OPERATION_ABORTED where the driver allows it.
// Linux: nothing to do. The link opens with O_NONBLOCK and waits in poll()
// slices, so no call blocks for long, and a signal interrupts one anyway.

namespace cv {

class BlockingCallCanceller {
public:
    BlockingCallCanceller() = default;
    ~BlockingCallCanceller();
    BlockingCallCanceller(const BlockingCallCanceller&) = delete;
    BlockingCallCanceller& operator=(const BlockingCallCanceller&) = delete;

    // The calling thread becomes the one Cancel reaches, until Unbind.
    void BindToThisThread();
    void Unbind();

    // From any thread; on Linux also from a signal handler. Nothing when no
    // thread is bound or it is not blocked.
    void Cancel();

private:
    void* thread_ = nullptr;  // Windows: a handle of the bound thread
};

}  // namespace cv
