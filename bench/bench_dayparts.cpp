// What a run of the day-part plan costs when the unit holds the due part
// already, as it does at nearly every run the system's scheduler makes: it
// reads the plan, the sheet and a full record of sends (1 MiB) and ends.
// Counted in instructions by callgrind (steady from run to run, whatever the
// machine's load) against `cvtimerctl sent` reading the same record, with the
// budget of 5 M instructions beside it.
//
//   bench_dayparts CVTIMERCTL

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/record/send_log.h"
#include "core/schedule/day_part_plan.h"
#include "core/timerfile/timer_file.h"

namespace fs = std::filesystem;

namespace {

constexpr double kBudget = 5e6;

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Ten timers named after the sheet they belong to, so that sheets differ.
cv::TimerRecords SheetTimers(int sheet) {
    cv::TimerRecords timers;
    for (int i = 0; i < cv::kTimerCount; ++i)
        timers[static_cast<std::size_t>(i)] = {"Sheet " + std::to_string(sheet) + " timer " + std::to_string(i + 1),
                                               static_cast<cv::MinutesOfDay>(300 + i), 30, 3, 1};
    return timers;
}

// A record just under 1 MiB of plan sends to port 1, made before today, the
// last holding `held` (the earlier ones other sheets).
std::string Record(const cv::TimerRecords& held) {
    std::string text;
    cv::SendFacts facts;
    facts.report.sentCount = cv::kTimerCount;
    facts.portNumber = 1;
    facts.devicePath = "/dev/ttyUSB0";
    facts.source.filePath = "/srv/kitchen/sheet.csv";
    facts.origin = {"/srv/kitchen/CVTimerDayParts.ini", "All day", "2026-01-01 00:00:00 +00:00", "", {}};
    for (int n = 1;; ++n) {
        facts.records = SheetTimers(n);
        const std::string entry = cv::FormatSendEntry(cv::MakeSendEntry(facts, "2026-01-01 00:00:01 +00:00", "anna"));
        if (text.size() + 2 * entry.size() > cv::kSendLogLimit) break;
        text += entry;
    }
    facts.records = held;
    return text + cv::FormatSendEntry(cv::MakeSendEntry(facts, "2026-01-02 00:00:01 +00:00", "anna"));
}

std::optional<double> Instructions(const std::vector<std::string>& command, const fs::path& folder) {
    const fs::path out = folder / "callgrind.out";
    std::vector<std::string> whole{"valgrind", "--tool=callgrind", "--callgrind-out-file=" + out.string()};
    whole.insert(whole.end(), command.begin(), command.end());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0 || !std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
            ::_exit(127);
        std::vector<char*> argv;
        for (std::string& argument : whole) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("summary:")) return std::strtod(line.c_str() + 8, nullptr);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_dayparts CVTIMERCTL\n");
        return 2;
    }
    if (std::system("valgrind --version >/dev/null 2>&1") != 0) {
        std::printf("idle day-part run: skipped, valgrind is not installed\n");
        return 0;
    }
    const fs::path folder = fs::temp_directory_path() / ("cvtimer-bench-dayparts-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const cv::TimerRecords held = SheetTimers(0);
    Write(folder / "sheet.csv", cv::FormatTimerFile(held));
    // One part that is always due: the run finds it held, whatever the clock.
    Write(folder / cv::kDayPartPlanFileName, "[All day]\nStart=0:00\nDays=Every day\nSheet=sheet.csv\n");
    Write(folder / cv::kSendLogFileName, Record(held));
    Write(folder / "CVTimerSystem.ini", "[SerialComm]\nPortNo=1\n");
    const std::string ctl = fs::absolute(argv[1]).string();
    const std::optional<double> run = Instructions({ctl, "dayparts", "run"}, folder);
    const std::optional<double> sent = Instructions({ctl, "sent"}, folder);
    const auto size = fs::file_size(folder / cv::kSendLogFileName);
    fs::remove_all(folder);
    if (!run || !sent) {
        std::fprintf(stderr, "bench_dayparts: a run failed (the held part must make dayparts run exit 0)\n");
        return 1;
    }
    std::printf("idle day-part run with a %.2f MiB record: %.2f M instructions (budget %.0f M), "
                "cvtimerctl sent on the same record %.2f M -> ratio %.2f\n",
                static_cast<double>(size) / (1024 * 1024), *run / 1e6, kBudget / 1e6, *sent / 1e6, *run / *sent);
    return *run <= kBudget ? 0 : 1;
}
