// cvtimerctl send: a timer file's ten timers to the unit, the way the sheet's
// "Send Timers" sends them, with each step printed.

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/device/port_map.h"
#include "core/platform/blocking_call.h"
#include "core/settings/folder_paths.h"
#include "core/settings/line_setting.h"
#include "core/settings/port_setting.h"
#include "core/device/serial_error.h"
#include "core/device/serial_link.h"
#include "core/device/timer_transfer.h"
#include "core/record/send_log.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/unit_names.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"
#include "tools/ctl_timer_file.h"
#include "tools/console.h"
#include "tools/ctl_progress.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlSend",
           "Usage: cvtimerctl send FILE [--port N | --device PATH]\n\n"
           "Sends the ten timers of a timer file to the Corvellan unit, printing each\n"
           "message as it goes out. Without an option the port is the one chosen in\n"
           "CVTimerSystem.ini in the current folder (port 1 without that file); ports\n"
           "map to devices as in the program, [Ports] entries of that file included.\n\n"
           "The line is 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control,\n"
           "unless Parity=, StopBits= or FlowControl= in [SerialComm] of that file say\n"
           "otherwise (also with --device).\n\n"
           "Exit status: 0 all ten sent, 1 the file cannot be read, a line setting in\n"
           "CVTimerSystem.ini is not one CV Timer knows (nothing is sent then) or a timer\n"
           "was not sent, 2 wrong usage or a name the unit cannot take (nothing is sent\n"
           "then), 128 + the signal's number (130 for Ctrl-C) when an interrupt or\n"
           "SIGTERM stopped the send; the timers before it stay sent. Ctrl-C also cuts\n"
           "short an open that hangs, where the system allows; on Windows a second\n"
           "Ctrl-C ends cvtimerctl at once.\n\n"
           "Options:\n"
           "  --port N       use Comm Port N (1 to 65535) instead of the chosen one\n"
           "  --device PATH  use this serial device, bypassing the port numbers (on\n"
           "                 Windows a port name such as COM7 will do)\n"
           "  --help         show this text\n");
}

// Set from a signal handler (Linux) or the console control thread (Windows).
std::atomic<int> gStopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

// Bound to the thread that sends, so a stop also reaches an open that hangs.
BlockingCallCanceller gCanceller;

void OnStopSignal(int signalNumber) {
    gStopSignal = signalNumber;
    gCanceller.Cancel();
}

class PrintingObserver : public TransferObserver {
public:
    void TimerStarted(int timerIndex) override { PrintTimerStarted(timerIndex); }
    void MessageSent(std::string_view message) override { PrintMessageSent(message); }
    bool KeepGoing() override { return gStopSignal == 0; }
};

struct SendOptions {
    std::string path;
    UnitOptions unit;
};

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, SendOptions& options) {
    ArgumentReader arguments(argc, argv);
    bool havePath = false;
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (!arguments.IsOption()) {
            if (havePath) return UsageError("send", Tr("CtlUsage", "only one FILE, please"), Usage().c_str());
            options.path = argument;
            havePath = true;
            continue;
        }
        if (IsHelpOption(argument)) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        const int taken = TakeUnitOption(arguments, argument, "send", Usage().c_str(), options.unit);
        if (taken == -2) return UsageError("send", FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}),
                                                Usage().c_str());
        if (taken >= 0) return taken;
    }
    if (!havePath) return UsageError("send", Tr("CtlUsage", "which timer file?"), Usage().c_str());
    return -1;
}

// The record's entry for this send; what went wrong with it, if anything, is
// said on stderr, and the send's outcome stays as it was.
void RecordThisSend(const SendReport& report, const TimerRecords& records, const LinkTarget& target,
                    const SerialLink& link, const std::string& path) {
    const SendLogWrite record =
        RecordSend(FactsOfSend(report, records, target, link, SendSource{AbsolutePath(path), false}, StartFolder()));
    if (!record.problem.empty()) std::fprintf(stderr, "cvtimerctl: %s\n", record.problem.c_str());
}

}  // namespace

int RunSend(int argc, char** argv) {
    SendOptions options;
    if (const int exitCode = ParseOptions(argc, argv, options); exitCode >= 0) return exitCode;

    const TimerFileContent content = ReadTimerFile(options.path);
    if (!content.ok) {
        std::fprintf(stderr, "%s\n%s\n", TimerFileErrorMainText(content.error).c_str(),
                     TimerFileErrorDetailText(content.error).c_str());
        return 1;
    }

    TellConversion(content, options.path);

    std::array<std::string, kTimerCount> names;
    for (std::size_t index = 0; index < names.size(); ++index) names[index] = content.records[index].name;
    std::optional<std::string> refusal = FindForeignName(content.shownNames, NameUse::Send);
    if (!refusal) refusal = FindUnsendableName(names);
    if (refusal) {
        std::fprintf(stderr, "%s\n%s\n", Tr("CtlSend", "Unable to Send Timers to Corvellan").c_str(), refusal->c_str());
        return 2;
    }

    const std::string settingsPath = SettingsPathIn(StartFolder());
    if (!options.unit.device) WarnIfSettingsUnread(settingsPath);
    LinkTarget target;
    target.portNumber =
        options.unit.port ? static_cast<std::uint16_t>(*options.unit.port) : ReadPortNumber(settingsPath);
    if (options.unit.device) target.devicePath = DeviceFromUserName(*options.unit.device);
    const LineSettingsReading line = ReadLineSettings(settingsPath);
    if (!line.problem.empty()) {
        std::fprintf(stderr, "%s\n%s\n", Tr("CtlSend", "Unable to Send Timers to Corvellan").c_str(),
                     line.problem.c_str());
        return 1;
    }
    target.line = line.settings;

    SerialLink link;
    link.SetPortResolver([settingsPath](int port) { return FindPortDevice(port, ReadPortOverrides(settingsPath)); });

    // Progress lines are meant to be watched, also through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    gCanceller.BindToThisThread();
    CatchStopSignals(OnStopSignal);
    PrintingObserver observer;
    bool resetPending = false;
    const SendReport report = SendTimers(
        link, target, resetPending,
        [&content](int index) { return content.records[static_cast<std::size_t>(index)]; }, &observer);
    gCanceller.Unbind();
    link.Close();

    if (report.AllSent()) {
        std::printf("%s\n", Tr("SendOutcome", "Timers Sent to Corvellan").c_str());
        std::fflush(stdout);
        RecordThisSend(report, content.records, target, link, options.path);
        return 0;
    }
    std::fflush(stdout);
    if (report.failure.failedAt == TimerSendResult::Stage::Open) {
        // The reason is said once, under the line it belongs to.
        std::fprintf(stderr, "%s\n%s\n%s\n%s\n", Tr("CtlSend", "Unable to open selected serial port.").c_str(),
                     DescribeSerialError(report.failure.openError).c_str(),
                     Tr("CtlSend", "Unable to Send Timers to Corvellan").c_str(),
                     FillPlaceholders(Tr("CtlSend", "Timer %1 was not sent."), {std::to_string(report.failedIndex + 1)})
                         .c_str());
    } else {
        std::fprintf(stderr, "%s\n%s\n", Tr("CtlSend", "Unable to Send Timers to Corvellan").c_str(),
                     DescribeSendFailure(report.failedIndex, report.failure).c_str());
    }
    if (const std::string took = DescribeWhatTheUnitTook(report); !took.empty())
        std::fprintf(stderr, "%s\n",
                     FillPlaceholders(Tr("CtlSend", "%1 cvtimerctl sent shows what the unit holds now."), {took}).c_str());
    RecordThisSend(report, content.records, target, link, options.path);
    const int stopSignal = gStopSignal;
    return stopSignal != 0 ? 128 + stopSignal : 1;
}

}  // namespace cv
