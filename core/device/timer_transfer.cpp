#include "core/device/timer_transfer.h"

#include <cstdio>

#include "core/device/serial_link.h"
#include "core/device/timer_messages.h"
#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

using Clock = std::chrono::steady_clock;

// How long one wait may block before the observer gets a turn.
constexpr std::chrono::milliseconds kWaitSlice{40};

bool Stopped(TransferObserver* observer) { return observer && !observer->KeepGoing(); }

AckResult Failure(AckOutcome outcome, const SerialLink& link) {
    AckResult result;
    result.outcome = outcome;
    result.error = link.LastError();
    return result;
}

// A step that did not go through: a stop asked for meanwhile is the reason
// (it may have cut a blocking call short), else a link that closed itself.
AckResult Interrupted(AckOutcome otherwise, const SerialLink& link, TransferObserver* observer) {
    if (Stopped(observer)) return Failure(AckOutcome::Cancelled, link);
    return Failure(link.IsOpen() ? otherwise : AckOutcome::Vanished, link);
}

std::string Printable(char byte) {
    char buffer[32];
    const unsigned char b = static_cast<unsigned char>(byte);
    if (b >= 0x20 && b < 0x7F) return QuoteData(std::string_view(&byte, 1));
    std::snprintf(buffer, sizeof buffer, "0x%02X", b);
    return FillPlaceholders(Tr("SendFailure", "byte %1"), {buffer});
}

// Why a timer's settings message (or its name message) did not go through.
std::string DescribeAck(const AckResult& ack, bool settings) {
    switch (ack.outcome) {
        case AckOutcome::Acknowledged:
            return settings ? Tr("SendFailure", "the unit acknowledged its settings message.")
                            : Tr("SendFailure", "the unit acknowledged its name message.");
        case AckOutcome::NoAnswer:
            return settings ? Tr("SendFailure", "the unit did not answer its settings message within a second.")
                            : Tr("SendFailure", "the unit did not answer its name message within a second.");
        case AckOutcome::WrongAnswer:
            return FillPlaceholders(
                settings ? Tr("SendFailure", "the unit answered its settings message with %1 instead of \"g\".")
                         : Tr("SendFailure", "the unit answered its name message with %1 instead of \"g\"."),
                {Printable(ack.answer)});
        case AckOutcome::WriteFailed:
            return (settings ? Tr("SendFailure", "its settings message could not be written.")
                             : Tr("SendFailure", "its name message could not be written.")) +
                   " " + DescribeSerialError(ack.error);
        case AckOutcome::Vanished: return DescribeSerialError(ack.error);
        case AckOutcome::Cancelled: return Tr("SendFailure", "sending was cancelled.");
    }
    return "";
}

}  // namespace

AckResult SendAndAwaitAck(SerialLink& link, std::string_view message, char ack, TransferObserver* observer,
                          std::chrono::milliseconds timeout) {
    // A device that went away shows first here; its reason must not give way to "not open".
    if (!link.DiscardInput()) return Interrupted(AckOutcome::Vanished, link, observer);
    const int length = static_cast<int>(message.size());
    // From here on the message is out, or may be in part, whatever follows.
    const auto written = [](AckResult result) {
        result.written = true;
        return result;
    };
    if (link.Write(message.data(), length) != length)
        return written(Interrupted(AckOutcome::WriteFailed, link, observer));
    if (observer) observer->MessageSent(message);

    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (Stopped(observer)) return written(Failure(AckOutcome::Cancelled, link));
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return written(Failure(AckOutcome::NoAnswer, link));
        if (link.WaitForInput(std::min(left, kWaitSlice))) break;
        if (!link.IsOpen()) return written(Interrupted(AckOutcome::Vanished, link, observer));
    }

    char answer = 0;
    if (link.Read(&answer, 1) != 1) return written(Interrupted(AckOutcome::NoAnswer, link, observer));
    AckResult result;
    result.outcome = answer == ack ? AckOutcome::Acknowledged : AckOutcome::WrongAnswer;
    result.answer = answer;
    result.written = true;
    return result;
}

bool OpenLink(SerialLink& link, const LinkTarget& target, bool& resetPending) {
    if (resetPending) {
        link.Close();
        resetPending = false;
    }
    return target.devicePath.empty() ? link.Open(target.portNumber, kUnitBaud, target.line)
                                     : link.OpenDevice(target.devicePath, kUnitBaud, target.line);
}

TimerSendResult SendTimer(SerialLink& link, const LinkTarget& target, bool& resetPending, int timerIndex,
                          const TimerRecord& record, TransferObserver* observer) {
    TimerSendResult result;
    const bool opened = OpenLink(link, target, resetPending);
    // An open can take seconds (a Bluetooth port) and a stop may have cut it short.
    if (Stopped(observer)) {
        result.failedAt = TimerSendResult::Stage::Settings;
        result.settings = Failure(AckOutcome::Cancelled, link);
        return result;
    }
    if (!opened) {
        result.failedAt = TimerSendResult::Stage::Open;
        result.openError = link.LastError();
        return result;
    }
    result.settings = SendAndAwaitAck(link, BuildSettingsMessage(timerIndex, record), kAcknowledgement, observer);
    const AckOutcome first = result.settings.outcome;
    if (first == AckOutcome::Vanished || first == AckOutcome::Cancelled || first == AckOutcome::WriteFailed) {
        result.failedAt = TimerSendResult::Stage::Settings;
        return result;
    }
    result.name = SendAndAwaitAck(link, BuildNameMessage(timerIndex, record), kAcknowledgement, observer);
    if (first != AckOutcome::Acknowledged) {
        result.failedAt = TimerSendResult::Stage::Settings;
    } else if (result.name.outcome != AckOutcome::Acknowledged) {
        result.failedAt = TimerSendResult::Stage::Name;
    } else {
        result.sent = true;
    }
    return result;
}

SendReport SendTimers(SerialLink& link, const LinkTarget& target, bool& resetPending,
                      const std::function<TimerRecord(int)>& readTimer, TransferObserver* observer) {
    SendReport report;
    for (int index = 0; index < kTimerCount; ++index) {
        if (observer) observer->TimerStarted(index);
        const TimerSendResult result = SendTimer(link, target, resetPending, index, readTimer(index), observer);
        if (!result.sent) {
            report.failedIndex = index;
            report.failure = result;
            break;
        }
        ++report.sentCount;
    }
    return report;
}

std::string DescribeSendFailure(int timerIndex, const TimerSendResult& result) {
    const std::string timer = std::to_string(timerIndex + 1);
    std::string why;
    switch (result.failedAt) {
        case TimerSendResult::Stage::Open: why = DescribeSerialError(result.openError); break;
        case TimerSendResult::Stage::Settings: why = DescribeAck(result.settings, true); break;
        case TimerSendResult::Stage::Name: why = DescribeAck(result.name, false); break;
        case TimerSendResult::Stage::Done: return FillPlaceholders(Tr("SendFailure", "Timer %1 was sent."), {timer});
    }
    return FillPlaceholders(Tr("SendFailure", "Timer %1 was not sent: %2"), {timer, why});
}

}  // namespace cv
