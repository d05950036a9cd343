// How long sending the default sheet takes, against the time its bytes need on
// the line, and how much processor a send that waits for a silent unit burns.
//
// Every figure is a ratio against a reference measured or computed in the same
// run, so a loaded machine shifts both sides rather than the verdict.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/device/serial_link.h"
#include "core/device/timer_messages.h"
#include "core/device/timer_transfer.h"
#include "core/record/send_log.h"
#include "core/timers/timer_table.h"
#include "tools/simulated_unit.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int kPacedRuns = 5;
constexpr int kBitsPerByte = 10;  // start, eight data bits, stop

struct SendRun {
    cv::SendReport report;
    std::size_t messagesSeen = 0;
    double wallSeconds = 0;
    double processCpuSeconds = 0;  // every thread, the unit's included
    double senderCpuSeconds = 0;   // the thread that runs SendTimers alone
    double recordSeconds = 0;      // appending the entry to the record of sends, when asked
};

double CpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

cv::TimerRecords DefaultRecords() {
    cv::TimerRecords records;
    for (int i = 0; i < cv::kTimerCount; ++i) records[i] = cv::RecordFromTexts(cv::DefaultColumnTexts(i));
    return records;
}

// Bytes the whole sheet puts on the line: every message out, one answer in for each.
std::size_t LineBytes(const cv::TimerRecords& records) {
    std::size_t bytes = 0;
    for (int i = 0; i < cv::kTimerCount; ++i) {
        bytes += cv::BuildSettingsMessage(i, records[i]).size() + 1;
        bytes += cv::BuildNameMessage(i, records[i]).size() + 1;
    }
    return bytes;
}

// One whole send to a fresh unit on a fresh link; the link is opened before
// the clock starts, so the figure is the transfer and not the device open.
// With a recordFolder the send's entry is appended to the record of sends
// there before the clock stops, as every send of the program does.
std::optional<SendRun> RunSend(const cv::UnitBehaviour& behaviour, const cv::TimerRecords& records,
                               const std::string& recordFolder = "") {
    cv::SimulatedUnit unit(behaviour);
    std::string error;
    if (!unit.Start(&error)) {
        std::fprintf(stderr, "bench_send: cannot start the simulated unit: %s\n", error.c_str());
        return std::nullopt;
    }
    cv::SerialLink link;
    if (!link.OpenDevice(unit.DevicePath(), cv::kUnitBaud)) {
        std::fprintf(stderr, "bench_send: cannot open %s: %s\n", unit.DevicePath().c_str(),
                     cv::DescribeSerialError(link.LastError()).c_str());
        return std::nullopt;
    }
    const cv::LinkTarget target{.portNumber = 1, .devicePath = unit.DevicePath()};
    bool resetPending = false;

    SendRun run;
    const double process0 = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double sender0 = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    const Clock::time_point start = Clock::now();
    run.report = cv::SendTimers(link, target, resetPending, [&](int i) { return records[i]; });
    if (!recordFolder.empty()) {
        const Clock::time_point recordStart = Clock::now();
        cv::SendFacts facts{run.report, records, 0, unit.DevicePath(), "", {}, recordFolder, {}, ""};
        if (const cv::SendLogWrite write = cv::RecordSend(facts); !write.written) {
            std::fprintf(stderr, "bench_send: %s\n", write.problem.c_str());
            return std::nullopt;
        }
        run.recordSeconds = Seconds(Clock::now() - recordStart).count();
    }
    run.wallSeconds = Seconds(Clock::now() - start).count();
    run.senderCpuSeconds = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - sender0;
    run.processCpuSeconds = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process0;
    run.messagesSeen = unit.Messages().size();
    return run;
}

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

// Runs `runs` sends that must all deliver the whole sheet; their wall times
// (and, when recording, the record's share in recordSeconds), or nothing when
// one did not.
std::optional<std::vector<double>> TimeWholeSends(const cv::UnitBehaviour& behaviour, int runs,
                                                  const cv::TimerRecords& records, const char* what,
                                                  const std::string& recordFolder = "",
                                                  std::vector<double>* recordSeconds = nullptr) {
    const std::size_t expected = 2 * cv::kTimerCount;
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const std::optional<SendRun> run = RunSend(behaviour, records, recordFolder);
        if (!run) return std::nullopt;
        if (!run->report.AllSent() || run->messagesSeen != expected) {
            std::fprintf(stderr, "bench_send: the send to the %s did not go through: %s\n", what,
                         run->report.AllSent()
                             ? "the unit saw the wrong number of messages"
                             : cv::DescribeSendFailure(run->report.failedIndex, run->report.failure).c_str());
            return std::nullopt;
        }
        seconds.push_back(run->wallSeconds);
        if (recordSeconds) recordSeconds->push_back(run->recordSeconds);
    }
    return seconds;
}

// A folder of the run's own on the disk that holds the temporary folder, so
// that the record's sync costs what it costs there.
class RecordFolder {
public:
    RecordFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "cvtimer-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~RecordFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

int main() {
    const cv::TimerRecords records = DefaultRecords();
    const std::size_t lineBytes = LineBytes(records);
    const double lineSeconds = static_cast<double>(lineBytes * kBitsPerByte) / cv::kUnitBaud;

    const std::optional<std::vector<double>> paced =
        TimeWholeSends(cv::UnitBehaviour{.baud = cv::kUnitBaud}, kPacedRuns, records, "paced unit");
    if (!paced) return 1;
    const std::optional<std::vector<double>> unpaced =
        TimeWholeSends(cv::UnitBehaviour{}, kPacedRuns, records, "unpaced unit");
    if (!unpaced) return 1;

    const RecordFolder folder;
    if (folder.Path().empty()) {
        std::fprintf(stderr, "bench_send: cannot make a folder for the record of sends\n");
        return 1;
    }
    std::vector<double> appends;
    const std::optional<std::vector<double>> recorded = TimeWholeSends(
        cv::UnitBehaviour{.baud = cv::kUnitBaud}, kPacedRuns, records, "paced unit", folder.Path(), &appends);
    if (!recorded) return 1;

    const Spread p = SpreadOf(*paced);
    const Spread r = SpreadOf(*recorded);
    const Spread u = SpreadOf(*unpaced);
    std::printf("send of the default sheet at %d baud: %.3f s median (%d runs, %.3f..%.3f), "
                "line time %.3f s (%zu bytes) -> ratio %.2f\n",
                cv::kUnitBaud, p.median, kPacedRuns, p.min, p.max, lineSeconds, lineBytes, p.median / lineSeconds);
    std::printf("the same with the record of sends on: %.3f s median (%d runs, %.3f..%.3f) -> ratio %.2f;\n"
                "  of which appending and syncing the entry after the last acknowledgement: %.4f s median\n",
                r.median, kPacedRuns, r.min, r.max, r.median / lineSeconds, SpreadOf(appends).median);
    std::printf("unpaced unit: %.4f s median (%d runs, %.4f..%.4f), our own overhead\n", u.median, kPacedRuns,
                u.min, u.max);

    // Timer 1's settings and name messages both go unanswered; nothing more is sent.
    const std::optional<SendRun> silent = RunSend(cv::UnitBehaviour{.silentFrom = 1}, records);
    if (!silent) return 1;
    if (silent->report.AllSent() || silent->report.failedIndex != 0 || silent->messagesSeen != 2) {
        std::fprintf(stderr, "bench_send: the send to a silent unit should fail at Timer 1 after two messages\n");
        return 1;
    }
    std::printf("silent unit: send failed after %.2f s wall, %.4f s CPU -> %.2f%% of wall "
                "(process incl. the simulated unit)\n",
                silent->wallSeconds, silent->processCpuSeconds,
                100.0 * silent->processCpuSeconds / silent->wallSeconds);
    std::printf("  of which the sending thread: %.4f s; the wall time is two acknowledgement waits of %lld ms\n",
                silent->senderCpuSeconds, static_cast<long long>(cv::kAckTimeout.count()));
    return 0;
}
