// How much CV Timer's start costs beyond what any Qt program with the same
// window costs: cvtimer against the yardstick (start_yardstick.cpp), each run
// until its window is first exposed, in the same run of this program:
//
//  - instructions to the first paint, counted by callgrind (steady from run to
//    run, so one run of each is enough);
//  - CPU time and peak memory, medians over paired runs taken in turns.
//
// Both run in a fresh folder, so the machine's settings file plays no part, on
// Qt's offscreen platform, or with --platform xcb on the X display in $DISPLAY.
// X11 costs cvtimer more than offscreen: the window manager is handed every size
// of the program's icon when the window is made.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kPairs = 20;

struct Run {
    bool ok = false;
    pid_t pid = 0;
    std::string printed;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `command` in `folder` until it ends; its output goes to files there.
Run RunProgram(const std::vector<std::string>& command, const fs::path& folder) {
    const fs::path out = folder / "out.txt";
    const fs::path err = folder / "err.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        const int outFile = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (::chdir(folder.c_str()) != 0 || outFile < 0 || errFile < 0 || ::dup2(outFile, 1) < 0 ||
            ::dup2(errFile, 2) < 0)
            ::_exit(127);
        std::vector<char*> arguments;
        for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        ::execvp(arguments[0], arguments.data());
        ::_exit(127);
    }
    Run run;
    run.pid = child;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    run.printed = ReadAll(out);
    if (!run.ok) std::fprintf(stderr, "bench_start: %s failed:\n%s", command.back().c_str(), ReadAll(err).c_str());
    return run;
}

// Instructions callgrind counted in the whole run of `program`, or nothing.
// Counts go to a file per process: on X11 without a session bus, Qt's D-Bus
// library forks a helper, whose count must not be taken for the program's.
std::optional<double> CountInstructions(const std::string& program, const fs::path& folder) {
    const Run run = RunProgram(
        {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + (folder / "callgrind.out.%p").string(), program},
        folder);
    if (!run.ok) return std::nullopt;
    std::ifstream in(folder / ("callgrind.out." + std::to_string(run.pid)));
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("summary:")) return std::strtod(line.c_str() + 8, nullptr);
    }
    return std::nullopt;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The timer sheet's size on the same platform, built as cvtimer builds it.
QSize SheetSize(const fs::path& folder) {
    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts, folder.string());
    cv::TimerSheetDialog& sheet = app.CreateSheet();
    sheet.show();
    QApplication::processEvents();
    return sheet.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string platform = argc == 3 && std::string(argv[1]) == "--platform" ? argv[2] : "offscreen";
    if (argc != 1 && argc != 3) {
        std::fprintf(stderr, "usage: bench_start [--platform offscreen|xcb]\n");
        return 2;
    }
    QTemporaryDir work;
    const fs::path folder = work.path().toStdString();
    std::string platformSpec = platform;
    if (platform == "offscreen") {
        // A screen as large as the X display's, so that the sheet shows whole
        // there too: Qt's offscreen default of 800x800 would make it scroll.
        std::ofstream(folder / "screen.json") << R"({"screens": [{"name": "screen", "width": 1280, "height": 1024}]})";
        platformSpec += ":configfile=" + (folder / "screen.json").string();
    }
    ::setenv("QT_QPA_PLATFORM", platformSpec.c_str(), 1);
    ::setenv("CVTIMER_EXIT_WHEN_SHOWN", "1", 1);
    // The sheet built here for its size has nowhere to show; Qt says so, needlessly.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false\nqt.qpa.*=false"));
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const std::string cvtimer = (here / "cvtimer").string();
    const std::string yardstick = (here / "bench_start_yardstick").string();

    // The same window, or the comparison means nothing.
    const QSize sheet = SheetSize(folder);
    const Run probe = RunProgram({yardstick}, folder);
    const std::string size = std::to_string(sheet.width()) + "x" + std::to_string(sheet.height());
    if (!probe.ok || probe.printed != "size: " + size + "\nshown: Corvellan Timers\n") {
        std::fprintf(stderr, "bench_start: the yardstick printed \"%s\", not the sheet's size %s and its first paint\n",
                     probe.printed.c_str(), size.c_str());
        return 1;
    }
    std::printf("start-up to the first paint, cvtimer against a plain Qt dialog with the same widgets (%s, %s):\n",
                size.c_str(), platform.c_str());

    if (std::system("valgrind --version >/dev/null 2>&1") != 0) {
        std::printf("  instructions: skipped, valgrind is not installed\n");
    } else {
        const std::optional<double> ours = CountInstructions(cvtimer, folder);
        const std::optional<double> theirs = CountInstructions(yardstick, folder);
        if (!ours || !theirs) return 1;
        std::printf("  instructions (callgrind): cvtimer %.1f M, yardstick %.1f M -> ratio %.3f\n", *ours / 1e6,
                    *theirs / 1e6, *ours / *theirs);
    }

    std::vector<double> cpu[2], peak[2];
    RunProgram({cvtimer}, folder);  // both once first, so neither pays for a cold cache
    RunProgram({yardstick}, folder);
    for (int pair = 0; pair < kPairs; ++pair) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (pair + turn) % 2;  // who goes first changes every pair
            const Run run = RunProgram({which == 0 ? cvtimer : yardstick}, folder);
            if (!run.ok) return 1;
            cpu[which].push_back(run.cpuSeconds);
            peak[which].push_back(static_cast<double>(run.peakKilobytes));
        }
    }
    std::printf("  CPU time, median of %d paired runs: cvtimer %.3f s, yardstick %.3f s -> ratio %.2f\n", kPairs,
                Median(cpu[0]), Median(cpu[1]), Median(cpu[0]) / Median(cpu[1]));
    std::printf("  peak memory, median of %d paired runs: cvtimer %.1f MB, yardstick %.1f MB -> ratio %.2f\n", kPairs,
                Median(peak[0]) / 1024, Median(peak[1]) / 1024, Median(peak[0]) / Median(peak[1]));
    return 0;
}
