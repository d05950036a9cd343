// The Windows serial link against simulated units. The units run on Linux;
// scripts/wine-run --units maps each to a COM port of the Wine prefix and
// names the ports in the environment.

#include "core/device/serial_link.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "core/device/timer_transfer.h"
#include "core/timers/timer_table.h"
#include "tests/golden.h"

namespace cv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kUnmappedPort = 199;

int UnitPort(const char* variable) {
    const char* value = std::getenv(variable);
    return value == nullptr ? 0 : std::atoi(value);
}

std::string ComDevice(int port) { return "\\\\.\\COM" + std::to_string(port); }

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TimerRecord DefaultRecord(int index) { return RecordFromTexts(DefaultColumnTexts(index)); }

class SerialLinkWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(unitPort, 0) << "run through scripts/wine-run --units";
        ASSERT_GT(silentPort, 0);
        ASSERT_GT(wrongPort, 0);
        ASSERT_GT(vanishingPort, 0);
    }
    const int unitPort = UnitPort("CVTIMER_UNIT_PORT");            // answers every message with "g"
    const int silentPort = UnitPort("CVTIMER_SILENT_UNIT_PORT");   // answers nothing
    const int wrongPort = UnitPort("CVTIMER_WRONG_UNIT_PORT");     // answers its first message with "x"
    const int vanishingPort = UnitPort("CVTIMER_VANISHING_UNIT_PORT");  // gone after its first answer
};

class MessageRecorder : public TransferObserver {
public:
    void MessageSent(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

TEST_F(SerialLinkWindows, SendsTheDefaultTimersEachAcknowledgedInOrder) {
    SerialLink link;
    MessageRecorder recorder;
    bool resetPending = false;
    const LinkTarget target{static_cast<std::uint16_t>(unitPort), ""};
    const SendReport report = SendTimers(link, target, resetPending, DefaultRecord, &recorder);
    EXPECT_TRUE(report.AllSent()) << DescribeSendFailure(report.failedIndex, report.failure);
    EXPECT_EQ(report.sentCount, kTimerCount);
    EXPECT_EQ(recorder.messages, golden::kDefaultMessages);
    EXPECT_EQ(link.DevicePath(), ComDevice(unitPort));
}

TEST_F(SerialLinkWindows, SilentUnitFailsAfterTwoOneSecondWaits) {
    SerialLink link;
    bool resetPending = false;
    const auto start = Clock::now();
    const TimerSendResult result = SendTimer(link, {static_cast<std::uint16_t>(silentPort), ""}, resetPending, 0,
                                             DefaultRecord(0));
    const auto took = Clock::now() - start;
    EXPECT_FALSE(result.sent);
    EXPECT_EQ(result.failedAt, TimerSendResult::Stage::Settings);
    EXPECT_EQ(result.settings.outcome, AckOutcome::NoAnswer);
    EXPECT_EQ(result.name.outcome, AckOutcome::NoAnswer);
    EXPECT_GE(took, 1900ms);
    EXPECT_LT(took, 4s);
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(SerialLinkWindows, WrongAnswerFailsThatTimer) {
    SerialLink link;
    bool resetPending = false;
    const TimerSendResult result =
        SendTimer(link, {static_cast<std::uint16_t>(wrongPort), ""}, resetPending, 0, DefaultRecord(0));
    EXPECT_FALSE(result.sent);
    EXPECT_EQ(result.failedAt, TimerSendResult::Stage::Settings);
    EXPECT_EQ(result.settings.outcome, AckOutcome::WrongAnswer);
    EXPECT_EQ(result.settings.answer, 'x');
}

// Whether its first answer is read before the line goes, the timer fails as
// disconnected, at once rather than after the answer's time-out, and the link closes.
TEST_F(SerialLinkWindows, UnitGoingAwayFailsTheTimerAndClosesTheLink) {
    SerialLink link;
    bool resetPending = false;
    const auto start = Clock::now();
    const TimerSendResult result =
        SendTimer(link, {static_cast<std::uint16_t>(vanishingPort), ""}, resetPending, 0, DefaultRecord(0));
    const auto took = Clock::now() - start;
    EXPECT_FALSE(result.sent);
    const AckResult& failed = result.failedAt == TimerSendResult::Stage::Name ? result.name : result.settings;
    EXPECT_EQ(failed.outcome, AckOutcome::Vanished);
    EXPECT_EQ(failed.error.kind, SerialErrorKind::Vanished);
    EXPECT_LT(took, 900ms);
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(SerialLinkWindows, MissingComPortIsNoDevice) {
    SerialLink link;
    EXPECT_FALSE(link.Open(kUnmappedPort, kUnitBaud));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::NoDevice);
    EXPECT_EQ(link.LastError().device, ComDevice(kUnmappedPort));
    EXPECT_NE(DescribeSerialError(link.LastError()).find("Device Manager"), std::string::npos);
}

TEST_F(SerialLinkWindows, WaitsReadsAndDiscardsInput) {
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(ComDevice(unitPort), kUnitBaud)) << DescribeSerialError(link.LastError());
    EXPECT_FALSE(link.WaitForInput(20ms));
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::TimedOut);

    const std::string twoMessages = golden::kDefaultMessages[0] + golden::kDefaultMessages[1];
    ASSERT_EQ(link.Write(twoMessages.data(), int(twoMessages.size())), int(twoMessages.size()));
    EXPECT_TRUE(link.WaitForInput(5s));
    const auto deadline = Clock::now() + 5s;
    while (link.BytesWaiting() < 2 && Clock::now() < deadline) std::this_thread::sleep_for(1ms);
    EXPECT_EQ(link.BytesWaiting(), 2);
    char answer = 0;
    EXPECT_EQ(link.Read(&answer, 1), 1);
    EXPECT_EQ(answer, 'g');
    EXPECT_EQ(link.BytesWaiting(), 1);
    link.DiscardInput();
    EXPECT_EQ(link.BytesWaiting(), 0);
    EXPECT_EQ(link.Read(&answer, 1), 0);
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(SerialLinkWindows, CloseRestoresTheLineSettingsItFound) {
    const std::wstring device = L"\\\\.\\COM" + std::to_wstring(unitPort);
    const auto withPort = [&](auto use) {
        const HANDLE handle = ::CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        DCB state{};
        state.DCBlength = sizeof state;
        ASSERT_TRUE(::GetCommState(handle, &state));
        use(handle, state);
        ::CloseHandle(handle);
    };
    // The speed, since a pseudo-terminal under Wine keeps 8 data bits whatever is set.
    withPort([](HANDLE handle, DCB& state) {
        state.BaudRate = 4800;
        EXPECT_TRUE(::SetCommState(handle, &state));
    });
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(ComDevice(unitPort), kUnitBaud)) << DescribeSerialError(link.LastError());
    EXPECT_TRUE(link.Close());
    withPort([](HANDLE, DCB& state) { EXPECT_EQ(state.BaudRate, 4800u); });
}

// Wine maps the port onto a pseudo-terminal, which keeps stop bits and flow
// control and has no modem lines: the port must take the whole line, DTR and
// RTS raised included, and still open.
TEST_F(SerialLinkWindows, SetsTheWholeLineOnAPortLeftInAnotherSetting) {
    const std::wstring device = L"\\\\.\\COM" + std::to_wstring(unitPort);
    const auto state = [&](auto change) {
        const HANDLE handle = ::CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        EXPECT_TRUE(handle != INVALID_HANDLE_VALUE && ::GetCommState(handle, &dcb));
        change(handle, dcb);
        ::CloseHandle(handle);
        return dcb;
    };
    state([](HANDLE handle, DCB& dcb) {
        dcb.StopBits = TWOSTOPBITS;
        dcb.fOutxCtsFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        dcb.fOutX = dcb.fInX = TRUE;
        EXPECT_TRUE(::SetCommState(handle, &dcb));
    });
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(ComDevice(unitPort), kUnitBaud)) << DescribeSerialError(link.LastError());
    // Wine lets a second handle look while the link holds the port.
    const DCB during = state([](HANDLE, DCB&) {});
    EXPECT_EQ(during.StopBits, ONESTOPBIT);
    EXPECT_FALSE(during.fOutxCtsFlow);
    EXPECT_FALSE(during.fOutX);
    EXPECT_FALSE(during.fInX);
    EXPECT_EQ(during.fDtrControl, DWORD(DTR_CONTROL_ENABLE));
    EXPECT_EQ(during.fRtsControl, DWORD(RTS_CONTROL_ENABLE));
    EXPECT_TRUE(link.Close());
}

TEST_F(SerialLinkWindows, HoldsThePortExclusively) {
    SerialLink first, second;
    ASSERT_TRUE(first.OpenDevice(ComDevice(unitPort), kUnitBaud));
    const bool secondOpened = second.OpenDevice(ComDevice(unitPort), kUnitBaud);
    if (secondOpened && RunningUnderWine()) GTEST_SKIP() << "Wine lets a COM port be opened twice";
    EXPECT_FALSE(secondOpened);
    EXPECT_EQ(second.LastError().kind, SerialErrorKind::Busy);
}

TEST(DescribeSerialError, GivesWindowsAdvice) {
    EXPECT_NE(DescribeSerialError({SerialErrorKind::Busy, "\\\\.\\COM7", "Access denied"})
                  .find("Close the other program using COM7"),
              std::string::npos);
    EXPECT_NE(DescribeSerialError({SerialErrorKind::NoDevice, "\\\\.\\COM7", "File not found"}).find("Device Manager"),
              std::string::npos);
}

}  // namespace
}  // namespace cv
