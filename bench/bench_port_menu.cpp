// How long the Comm Port menu's look at the devices takes when it is about to
// open, with 32 serial devices present in a device tree laid out as the kernel
// lays it out: against the 20 ms within which a menu still opens at once, and
// against one bare listing of the same /dev, the least any look can cost.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/device/port_menu.h"
#include "tools/fake_device_tree.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 101;
constexpr double kBudgetSeconds = 0.020;

template <typename Work>
double MedianSeconds(Work work) {
    std::vector<double> seconds;
    for (int i = 0; i < kRuns; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::nth_element(seconds.begin(), seconds.begin() + kRuns / 2, seconds.end());
    return seconds[kRuns / 2];
}

}  // namespace

int main() {
    std::string folder = (fs::temp_directory_path() / "cv-bench-ports-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        std::perror("bench_port_menu: mkdtemp");
        return 1;
    }
    // 4 built-in UARTs among 28 placeholders (as a PC has them), 16 FTDI and 8
    // Prolific adapters, 4 CDC-ACM devices: 32 serial devices present.
    cv::FakeDeviceTree tree(folder);
    for (int n = 0; n < 32; ++n) tree.AddUart(n, n < 4);
    for (int n = 0; n < 24; ++n) tree.AddUsbSerial(n, n < 16 ? cv::FtdiAdapter() : cv::ProlificAdapter());
    for (int n = 0; n < 4; ++n) tree.AddUsbModem(n, cv::CdcAcmDevice());

    const unsigned long looksBefore = cv::SerialDeviceLooks();
    const std::vector<cv::MenuPort> ports = cv::ListMenuPorts({}, 1, folder);
    const unsigned long looks = cv::SerialDeviceLooks() - looksBefore;
    const auto named = std::count_if(ports.begin(), ports.end(), [](const cv::MenuPort& p) { return !p.name.empty(); });
    if (ports.size() != 32 || named != 32) {
        std::fprintf(stderr, "bench_port_menu: the menu lists %zu ports, %td named; 32 of each expected\n",
                     ports.size(), named);
        return 1;
    }

    const double menu = MedianSeconds([&] { cv::ListMenuPorts({}, 1, folder); });
    const double listing = MedianSeconds([&] {
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(folder) / "dev", ec), end; !ec && it != end; it.increment(ec)) {
        }
    });
    const double machine = MedianSeconds([] { cv::ListMenuPorts({}, 1, "/"); });
    fs::remove_all(folder);

    std::printf("Comm Port menu with 32 serial devices: %.2f ms median of %d, %lu look(s) at the devices per opening\n",
                menu * 1e3, kRuns, looks);
    std::printf("  -> %.3f of the %.0f ms within which a menu opens at once; %.1f x one bare listing of its /dev "
                "(%.3f ms)\n",
                menu / kBudgetSeconds, kBudgetSeconds * 1e3, menu / listing, listing * 1e3);
    std::printf("  this machine's own /dev: %.2f ms median\n", machine * 1e3);
    return 0;
}
