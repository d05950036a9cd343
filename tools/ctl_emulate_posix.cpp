// cvtimerctl emulate: a simulated Corvellan unit for trying the program
// without the device. Prints what it receives as it receives it.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"
#include "tools/console.h"
#include "tools/simulated_unit.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlEmulate",
           "Usage: cvtimerctl emulate [options]\n\n"
           "Plays a Corvellan unit on a pseudo-terminal: answers every message with 'g'\n"
           "and prints each message and each complete timer it receives. The first line\n"
           "printed names the device to open. Stops on Ctrl-C or SIGTERM.\n\n"
           "Options:\n"
           "  --link PATH       also make PATH a symbolic link to the device (removed on exit)\n"
           "  --wrong-at N      answer message N (counted from 1) with the wrong byte\n"
           "  --wrong-byte C    the wrong byte: one character, or 0xNN (default x)\n"
           "  --silent-from N   answer nothing from message N on\n"
           "  --delay MS        answer each message MS milliseconds late\n"
           "  --baud B          take as long as a line at B baud would (10 bits a byte)\n"
           "  --exit-after N    stop once message N has been answered\n"
           "  --help            show this text\n");
}

// Both signals and the unit's worker wake the main thread through this pipe.
int gWakeWrite = -1;
constexpr char kWakeBySignal = 's';
constexpr char kWakeByCount = 'n';

void OnStopSignal(int) {
    const int savedErrno = errno;
    const char reason = kWakeBySignal;
    [[maybe_unused]] ssize_t ignored = write(gWakeWrite, &reason, 1);
    errno = savedErrno;
}

struct EmulateOptions {
    UnitBehaviour behaviour;
    std::string link;
    int exitAfter = 0;
};

std::optional<char> ParseByte(std::string_view text) {
    if (text.size() == 1) return text[0];
    if (text.size() < 3 || (text.substr(0, 2) != "0x" && text.substr(0, 2) != "0X")) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xff) return std::nullopt;
    return static_cast<char>(value);
}

int UsageError(const std::string& message) { return cv::UsageError("emulate", message, Usage().c_str()); }

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, EmulateOptions& options) {
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view name = arguments.Next();
        if (IsHelpOption(name)) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        int* count = nullptr;
        if (name == "--wrong-at") count = &options.behaviour.wrongAnswerAt;
        else if (name == "--silent-from") count = &options.behaviour.silentFrom;
        else if (name == "--delay") count = &options.behaviour.answerDelayMs;
        else if (name == "--baud") count = &options.behaviour.baud;
        else if (name == "--exit-after") count = &options.exitAfter;
        else if (name != "--link" && name != "--wrong-byte")
            return UsageError(FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}));
        const std::optional<std::string_view> value = arguments.TakeValue();
        if (!value) return UsageError(FillPlaceholders(Tr("CtlUsage", "%1 needs a value"), {name}));

        if (count) {
            std::optional<int> parsed = ParseCount(*value);
            if (!parsed) return UsageError(FillPlaceholders(Tr("CtlUsage", "%1 takes a whole number, not '%2'"), {name, *value}));
            *count = *parsed;
        } else if (name == "--link") {
            if (value->empty()) return UsageError(Tr("CtlUsage", "--link needs a path"));
            options.link = *value;
        } else {
            std::optional<char> byte = ParseByte(*value);
            if (!byte) return UsageError(FillPlaceholders(Tr("CtlUsage", "--wrong-byte takes one character or 0xNN, not '%1'"), {*value}));
            options.behaviour.wrongByte = *byte;
        }
    }
    return -1;
}

// Points `link` at `target`, replacing an earlier link in one step; never
// replaces anything that is not a symbolic link.
bool CreateLink(const std::string& link, const std::string& target, std::string& error) {
    struct stat existing {};
    if (lstat(link.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        error = FillPlaceholders(Tr("CtlEmulate", "%1: exists and is not a symbolic link"), {link});
        return false;
    }
    const std::string fresh = link + ".new" + std::to_string(getpid());
    unlink(fresh.c_str());
    if (symlink(target.c_str(), fresh.c_str()) != 0 || rename(fresh.c_str(), link.c_str()) != 0) {
        error = link + ": " + std::strerror(errno);
        unlink(fresh.c_str());
        return false;
    }
    return true;
}

// Leaves the link alone if someone else has since taken it over.
void RemoveLink(const std::string& link, const std::string& target) {
    char pointsTo[4096];
    const ssize_t length = readlink(link.c_str(), pointsTo, sizeof pointsTo);
    if (length >= 0 && std::string_view(pointsTo, static_cast<std::size_t>(length)) == target) unlink(link.c_str());
}

std::string DescribeAnswer(std::optional<char> answer) {
    return answer ? EscapeForDisplay(std::string(1, *answer)) : "(no answer)";
}

void WaitForWake(int wakeRead, bool& bySignal) {
    for (;;) {
        pollfd readable{wakeRead, POLLIN, 0};
        if (poll(&readable, 1, -1) < 0 && errno != EINTR) return;
        char reason;
        if (read(wakeRead, &reason, 1) == 1) {
            bySignal = reason == kWakeBySignal;
            return;
        }
    }
}

}  // namespace

int RunEmulate(int argc, char** argv) {
    EmulateOptions options;
    if (const int exitCode = ParseOptions(argc, argv, options); exitCode >= 0) return exitCode;

    int wakePipe[2];
    if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "cvtimerctl emulate: %s\n",
                     FillPlaceholders(Tr("CtlEmulate", "pipe: %1"), {std::strerror(errno)}).c_str());
        return 1;
    }
    gWakeWrite = wakePipe[1];
    CatchStopSignals(OnStopSignal);

    SimulatedUnit unit(options.behaviour);
    std::mutex output;
    std::size_t timersShown = 0;
    unit.SetMessageCallback([&](const std::string& message, int number) {
        std::lock_guard lock(output);
        std::printf("received %d: %s -> %s\n", number, EscapeForDisplay(message).c_str(),
                    DescribeAnswer(DecideAnswer(options.behaviour, number)).c_str());
        const std::vector<UnitTimer> timers = unit.Timers();
        for (; timersShown < timers.size(); ++timersShown) std::printf("%s\n", DescribeTimer(timers[timersShown]).c_str());
        std::fflush(stdout);
        if (number == options.exitAfter) {
            const char reason = kWakeByCount;
            [[maybe_unused]] ssize_t ignored = write(gWakeWrite, &reason, 1);
        }
    });

    int exitCode = 0;
    std::string error;
    {
        // Holding the output keeps an early message from being printed before the device line.
        std::lock_guard lock(output);
        if (!unit.Start(&error)) {
            std::fprintf(stderr, "cvtimerctl emulate: %s\n",
                         FillPlaceholders(Tr("CtlEmulate", "cannot open a pseudo-terminal: %1"), {error}).c_str());
            exitCode = 1;
        } else if (!options.link.empty() && !CreateLink(options.link, unit.DevicePath(), error)) {
            std::fprintf(stderr, "cvtimerctl emulate: %s\n",
                         FillPlaceholders(Tr("CtlEmulate", "cannot make the link %1"), {error}).c_str());
            exitCode = 1;
        } else {
            std::printf("Simulated Corvellan unit on %s\n", unit.DevicePath().c_str());
            if (!options.link.empty()) std::printf("linked as %s\n", options.link.c_str());
            std::fflush(stdout);
        }
    }
    if (exitCode == 0) {
        bool bySignal = false;
        WaitForWake(wakePipe[0], bySignal);
        // Let the last message's answer reach the program before the line disappears.
        if (!bySignal) unit.WaitUntilAnswersTaken(std::chrono::milliseconds(options.behaviour.answerDelayMs + 5000));
        if (!options.link.empty()) RemoveLink(options.link, unit.DevicePath());
    }
    unit.Stop();
    close(wakePipe[0]);
    close(wakePipe[1]);
    gWakeWrite = -1;
    return exitCode;
}

}  // namespace cv
