// The Windows serial link against drivers played through its table of comm
// calls: what real adapters answer (an inbox port left at 7E1 with flow
// control on, a pending line error, the codes drivers give once a cable is
// pulled, a ClearCommError they do not support, a port another program holds),
// none of which a pseudo-terminal under Wine can show.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "core/device/background_send.h"
#include "core/device/comm_calls_win32.h"
#include "core/device/serial_link.h"
#include "core/device/timer_messages.h"
#include "core/timers/timer_table.h"

namespace cv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

enum class Call { CreateFile, GetCommState, SetCommState, SetCommTimeouts, ClearCommError, PurgeComm, ReadFile, WriteFile };

const HANDLE kPortHandle = reinterpret_cast<HANDLE>(0x4711);
constexpr std::uint16_t kPort = 5;

// One port and the unit behind it, as a driver reports them.
struct Driver {
    DCB state{};                 // what the port holds now
    COMMTIMEOUTS timeouts{};
    bool errorPending = false;   // a line error not yet cleared by ClearCommError
    bool answers = true;         // the unit answers each message with "g"
    bool answerOnTheWay = false; // arrives during the next read that waits
    bool writesTimeOut = false;  // writes end with nothing sent, as at the write timeout
    std::string input;           // received, not yet read
    std::map<Call, DWORD> failing;  // calls that fail, and with which code
    std::map<Call, int> calls;
    int opens = 0;
};

Driver* gDriver = nullptr;

// Whether the call fails: by the test's choice, or because the open port
// aborts everything but ClearCommError while a line error is pending.
bool Refused(Call call) {
    ++gDriver->calls[call];
    if (const auto it = gDriver->failing.find(call); it != gDriver->failing.end()) {
        ::SetLastError(it->second);
        return true;
    }
    if (gDriver->errorPending && gDriver->state.fAbortOnError && call != Call::ClearCommError &&
        call != Call::CreateFile) {
        ::SetLastError(ERROR_OPERATION_ABORTED);
        return true;
    }
    return false;
}

HANDLE WINAPI PlayedCreateFile(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
    ++gDriver->opens;
    return Refused(Call::CreateFile) ? INVALID_HANDLE_VALUE : kPortHandle;
}
BOOL WINAPI PlayedCloseHandle(HANDLE) { return TRUE; }
BOOL WINAPI PlayedGetCommState(HANDLE, LPDCB dcb) {
    if (Refused(Call::GetCommState)) return FALSE;
    *dcb = gDriver->state;
    return TRUE;
}
BOOL WINAPI PlayedSetCommState(HANDLE, LPDCB dcb) {
    if (Refused(Call::SetCommState)) return FALSE;
    gDriver->state = *dcb;
    return TRUE;
}
BOOL WINAPI PlayedGetCommTimeouts(HANDLE, LPCOMMTIMEOUTS timeouts) {
    *timeouts = gDriver->timeouts;
    return TRUE;
}
BOOL WINAPI PlayedSetCommTimeouts(HANDLE, LPCOMMTIMEOUTS timeouts) {
    if (Refused(Call::SetCommTimeouts)) return FALSE;
    gDriver->timeouts = *timeouts;
    return TRUE;
}
BOOL WINAPI PlayedClearCommError(HANDLE, LPDWORD errors, LPCOMSTAT status) {
    if (Refused(Call::ClearCommError)) return FALSE;
    *errors = gDriver->errorPending ? CE_FRAME : 0;
    gDriver->errorPending = false;
    *status = COMSTAT{};
    status->cbInQue = static_cast<DWORD>(gDriver->input.size());
    return TRUE;
}
BOOL WINAPI PlayedPurgeComm(HANDLE, DWORD flags) {
    if (Refused(Call::PurgeComm)) return FALSE;
    if (flags & PURGE_RXCLEAR) gDriver->input.clear();
    return TRUE;
}
// Like a driver, a read with a total timeout waits it out when nothing comes.
BOOL WINAPI PlayedReadFile(HANDLE, LPVOID buffer, DWORD count, LPDWORD got, LPOVERLAPPED) {
    if (Refused(Call::ReadFile)) return FALSE;
    const bool waits = gDriver->timeouts.ReadIntervalTimeout != MAXDWORD;
    if (waits && gDriver->answerOnTheWay) {
        gDriver->input += 'g';
        gDriver->answerOnTheWay = false;
    }
    if (waits && gDriver->input.empty()) ::Sleep(gDriver->timeouts.ReadTotalTimeoutConstant);
    *got = static_cast<DWORD>(std::min<std::size_t>(count, gDriver->input.size()));
    gDriver->input.copy(static_cast<char*>(buffer), *got);
    gDriver->input.erase(0, *got);
    return TRUE;
}
BOOL WINAPI PlayedWriteFile(HANDLE, LPCVOID, DWORD count, LPDWORD written, LPOVERLAPPED) {
    if (Refused(Call::WriteFile)) return FALSE;
    *written = gDriver->writesTimeOut ? 0 : count;
    gDriver->answerOnTheWay = gDriver->answers;
    return TRUE;
}

// What the inbox serial driver starts a port with (1200 baud, 7E1), plus what
// another program left on: RTS/CTS, DSR flow and sensitivity, XON/XOFF, DTR
// off and abort on error.
DCB LeftOverState() {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = 1200;
    dcb.ByteSize = 7;
    dcb.Parity = EVENPARITY;
    dcb.fParity = TRUE;
    dcb.StopBits = ONESTOPBIT;
    dcb.fOutxCtsFlow = TRUE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.fOutxDsrFlow = TRUE;
    dcb.fDsrSensitivity = TRUE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fOutX = TRUE;
    dcb.fInX = TRUE;
    dcb.fAbortOnError = TRUE;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

class PlayedDriver : public ::testing::Test {
protected:
    void SetUp() override {
        driver.state = LeftOverState();
        gDriver = &driver;
        TheCommCalls() = {&PlayedCreateFile,      &PlayedCloseHandle,    &PlayedGetCommState,
                          &PlayedSetCommState,    &PlayedGetCommTimeouts, &PlayedSetCommTimeouts,
                          &PlayedClearCommError,  &PlayedPurgeComm,      &PlayedReadFile,
                          &PlayedWriteFile};
    }
    void TearDown() override {
        link.Close();
        TheCommCalls() = SystemCommCalls();
        gDriver = nullptr;
    }

    TimerSendResult Send(const LineSettings& line = {}) {
        return SendTimer(link, {kPort, "", line}, resetPending, 0, RecordFromTexts(DefaultColumnTexts(0)));
    }

    Driver driver;
    SerialLink link;
    bool resetPending = false;
};

TEST_F(PlayedDriver, ThePortGetsTheWholeLineWhateverWasLeftOnIt) {
    struct Case {
        LineSettings line;
        BYTE parity, stopBits;
        bool ctsFlow;
        DWORD rtsControl;
        bool xonXoff;
    };
    const Case cases[] = {
        {{}, NOPARITY, ONESTOPBIT, false, RTS_CONTROL_ENABLE, false},
        {{Parity::Even, StopBits::Two, FlowControl::RtsCts}, EVENPARITY, TWOSTOPBITS, true, RTS_CONTROL_HANDSHAKE, false},
        {{Parity::None, StopBits::One, FlowControl::XonXoff}, NOPARITY, ONESTOPBIT, false, RTS_CONTROL_ENABLE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeLineSettings(c.line));
        link.Close();
        driver.state = LeftOverState();
        // A line error is pending too: with abort on error left on, the port
        // refuses everything but ClearCommError until it is cleared.
        driver.errorPending = true;
        const TimerSendResult result = Send(c.line);
        EXPECT_TRUE(result.sent) << DescribeSendFailure(0, result);
        const DCB& dcb = driver.state;
        EXPECT_EQ(dcb.BaudRate, 9600u);
        EXPECT_EQ(dcb.ByteSize, 8);
        EXPECT_EQ(dcb.Parity, c.parity);
        EXPECT_EQ(dcb.StopBits, c.stopBits);
        EXPECT_EQ(bool(dcb.fOutxCtsFlow), c.ctsFlow);
        EXPECT_EQ(dcb.fRtsControl, c.rtsControl);
        EXPECT_EQ(bool(dcb.fOutX), c.xonXoff);
        EXPECT_EQ(bool(dcb.fInX), c.xonXoff);
        EXPECT_FALSE(dcb.fOutxDsrFlow);
        EXPECT_FALSE(dcb.fDsrSensitivity);
        EXPECT_EQ(dcb.fDtrControl, DWORD(DTR_CONTROL_ENABLE));
        EXPECT_FALSE(dcb.fAbortOnError);
    }
    link.Close();
    EXPECT_EQ(driver.state.ByteSize, 7) << "what was found is put back on close";
}

// Drivers answer an unplugged adapter with one of these, at whichever call
// comes next. Each closes the link, says so, and the next send opens afresh.
TEST_F(PlayedDriver, EveryUnplugCodeAtEveryCallClosesTheLinkAndTheNextSendOpensAfresh) {
    const DWORD codes[] = {ERROR_OPERATION_ABORTED, ERROR_INVALID_HANDLE, ERROR_DEV_NOT_EXIST, 433 /* ERROR_NO_SUCH_DEVICE */,
                           ERROR_SEM_TIMEOUT,       ERROR_BAD_COMMAND,    ERROR_GEN_FAILURE,   ERROR_ACCESS_DENIED,
                           ERROR_DEVICE_NOT_CONNECTED, ERROR_DEVICE_REMOVED};
    const Call calls[] = {Call::PurgeComm, Call::SetCommTimeouts, Call::WriteFile, Call::ClearCommError,
                          Call::ReadFile};
    for (const Call call : calls) {
        for (const DWORD code : codes) {
            SCOPED_TRACE("call " + std::to_string(int(call)) + ", error " + std::to_string(code));
            ASSERT_TRUE(Send().sent);
            const int opens = driver.opens;
            driver.failing = {{call, code}};
            const TimerSendResult unplugged = Send();
            EXPECT_EQ(DescribeSendFailure(0, unplugged),
                      "Timer 1 was not sent: COM5 was disconnected. Reconnect it and try again.");
            EXPECT_FALSE(link.IsOpen());
            driver.failing.clear();
            EXPECT_TRUE(Send().sent);
            EXPECT_EQ(driver.opens, opens + 1);
        }
    }
    // usbser.sys fails every write after one that timed out until the port is opened afresh.
    const int opens = driver.opens;
    driver.writesTimeOut = true;
    EXPECT_EQ(DescribeSendFailure(0, Send()), "Timer 1 was not sent: COM5 did not respond in time. Check that the "
                                              "unit is connected and switched on, then try again.");
    EXPECT_FALSE(link.IsOpen());
    driver.writesTimeOut = false;
    EXPECT_TRUE(Send().sent);
    EXPECT_EQ(driver.opens, opens + 1);
}

// Some virtual and USB ports fail ClearCommError with ERROR_INVALID_PARAMETER.
// The wait falls through to its timed read: the answer is found, and a silent
// unit costs a few calls per wait slice rather than millions.
TEST_F(PlayedDriver, AFailingClearCommErrorNeitherSpinsNorLosesTheAnswer) {
    driver.failing = {{Call::ClearCommError, ERROR_INVALID_PARAMETER}};
    EXPECT_TRUE(Send().sent);

    driver.answers = false;
    driver.calls.clear();
    const auto start = Clock::now();
    const AckResult silent = SendAndAwaitAck(link, BuildSettingsMessage(0, {}), 'g');
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_EQ(silent.outcome, AckOutcome::NoAnswer);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_LT(driver.calls[Call::ClearCommError] / seconds, 200.0);
    EXPECT_LT(driver.calls[Call::ReadFile] / seconds, 200.0);
}

TEST_F(PlayedDriver, RefusedOpensSayWhyInWindowsWords) {
    const struct {
        Call call;
        DWORD code;
        const char* message;
    } cases[] = {
        {Call::CreateFile, ERROR_ACCESS_DENIED, "COM5 is in use by another program. Close the other program using COM5 "
                                                "and try again."},
        {Call::GetCommState, ERROR_INVALID_FUNCTION, "COM5 is not a serial device. Choose another port."},
        {Call::SetCommState, ERROR_INVALID_PARAMETER, "COM5 does not accept the line settings ("},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        driver.failing = {{c.call, c.code}};
        const TimerSendResult refused = Send();
        EXPECT_EQ(refused.failedAt, TimerSendResult::Stage::Open);
        EXPECT_EQ(DescribeSerialError(refused.openError).rfind(c.message, 0), 0u) << DescribeSerialError(refused.openError);
        EXPECT_FALSE(link.IsOpen());
    }
}

// The stand-in's CreateFile hangs in a read of an empty pipe, a blocking call
// the system can cut short, as a Bluetooth port's open can hang.
HANDLE gPipeRead = nullptr;
std::atomic<bool> gOpening{false};

HANDLE WINAPI HangingCreateFile(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
    gOpening = true;
    char byte = 0;
    DWORD got = 0;
    if (!::ReadFile(gPipeRead, &byte, 1, &got, nullptr)) return INVALID_HANDLE_VALUE;
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
}

TEST_F(PlayedDriver, CancelCutsShortAnOpenThatHangs) {
    HANDLE pipeWrite = nullptr;
    ASSERT_TRUE(::CreatePipe(&gPipeRead, &pipeWrite, nullptr, 0));
    TheCommCalls().createFile = &HangingCreateFile;
    std::mutex mutex;
    std::condition_variable changed;
    bool finished = false;
    SendReport report;
    {
        BackgroundSend send(link, {kPort, "", {}}, resetPending,
                            [](int index) { return RecordFromTexts(DefaultColumnTexts(index)); }, [&] {
                                const std::lock_guard<std::mutex> lock(mutex);
                                finished = true;
                                changed.notify_all();
                            });
        const auto deadline = Clock::now() + 5s;
        while (!gOpening && Clock::now() < deadline) std::this_thread::yield();
        // The open may not block yet when the first Cancel comes; asking again costs nothing.
        std::unique_lock<std::mutex> lock(mutex);
        while (!finished && Clock::now() < deadline) {
            send.Cancel();
            changed.wait_for(lock, 20ms, [&] { return finished; });
        }
        EXPECT_TRUE(finished) << "the open was not cut short";
        if (finished) report = send.Report();
        lock.unlock();
        if (!finished) {
            DWORD written = 0;
            ::WriteFile(pipeWrite, "x", 1, &written, nullptr);  // lets the send end
        }
    }
    EXPECT_EQ(report.failedIndex, 0);
    EXPECT_EQ(DescribeSendFailure(0, report.failure), "Timer 1 was not sent: sending was cancelled.");
    ::CloseHandle(pipeWrite);
    ::CloseHandle(gPipeRead);
}

}  // namespace
}  // namespace cv
