// The Comm Port menu over made-up /dev and /sys trees: UARTs real and not,
// USB adapters and modems with any strings, links to nothing, by-id links,
// aliases in /dev, stray files, ports tied to devices in [Ports]. The menu
// offers Port 1 to 12 and above them only ports that reach a present device
// or the chosen one; a port that counts through the devices reaches one that
// is there; names come only for present ports, agree with the one-device
// lookup, are one line of UTF-8 and short; and the menu looks at the devices
// once.
//
// Input: the chosen port, then one step per two bytes (what to add, and a
// number), up to a 0xff; the bytes after it are every USB device's strings.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/device/port_menu.h"
#include "core/timers/utf8_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"
#include "tools/fake_device_tree.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 256) return 0;
    const std::string root = cv::ScratchFolderPath() + "/tree";
    fs::remove_all(root);
    cv::FakeDeviceTree tree(root);

    const int chosen = data[0] % 40;
    std::string strings(reinterpret_cast<const char*>(data), size);
    const std::size_t split = strings.find('\xff');
    const std::string manufacturer = split == std::string::npos ? "" : strings.substr(split + 1, 20);
    const std::string product = split == std::string::npos ? "" : strings.substr(std::min(size, split + 21));
    const std::size_t steps = split == std::string::npos ? size : split;

    cv::PortOverrides overrides;
    for (std::size_t i = 1; i + 1 < steps; i += 2) {
        const int number = data[i + 1] % 24;
        switch (data[i] % 8) {
            case 0: tree.AddUart(number, data[i + 1] & 0x80); break;
            case 1: tree.AddUsbSerial(number, {"0403", "6001", manufacturer, product}); break;
            case 2: tree.AddUsbModem(number, {"0483", "5740", manufacturer, product}); break;
            case 3: tree.AddDanglingLink((data[i + 1] & 1 ? "ttyUSB" : "ttyACM") + std::to_string(number)); break;
            case 4:
                overrides[1 + number % 16] =
                    tree.AddByIdLink("usb-" + std::to_string(i), "ttyUSB" + std::to_string(number));
                break;
            case 5: overrides[1 + number % 16] = tree.Dev("ttyGone" + std::to_string(number)); break;
            case 6: std::ofstream(tree.Dev((data[i + 1] & 1 ? "ttyS" : "ttyUSB") + std::to_string(number))); break;
            default: {
                // An alias a udev rule made, above the numbers the nodes here take.
                static const char* const kTargets[] = {"ttyS", "ttyUSB", "ttyACM"};
                const std::string target = kTargets[(data[i + 1] >> 5) % 3] + std::to_string(number);
                tree.AddDevLink("ttyUSB" + std::to_string(24 + number), target);
                break;
            }
        }
    }

    const unsigned long looks = cv::SerialDeviceLooks();
    const std::vector<cv::MenuPort> ports = cv::ListMenuPorts(overrides, chosen, root);
    FUZZ_CHECK(cv::SerialDeviceLooks() == looks + 1);
    FUZZ_CHECK(ports.size() >= cv::kPortMenuCount);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const cv::MenuPort& port = ports[i];
        std::error_code ec;
        if (i < cv::kPortMenuCount) FUZZ_CHECK(port.number == static_cast<int>(i) + 1);
        if (i > 0) FUZZ_CHECK(port.number > ports[i - 1].number);
        if (port.number > cv::kPortMenuCount) FUZZ_CHECK(port.present || port.number == chosen);
        if (port.lookup.found && !port.lookup.fromSettings)
            FUZZ_CHECK(port.present && fs::exists(port.lookup.device, ec));
        if (port.present) FUZZ_CHECK(fs::exists(port.lookup.device, ec));
        if (!port.present) FUZZ_CHECK(port.name.empty());
        if (port.present) FUZZ_CHECK(port.name == cv::DeviceHardwareName(port.lookup.device, root));
        FUZZ_CHECK(port.name.size() <= 2 * 48 + 3);
        FUZZ_CHECK(cv::CleanUtf8Line(port.name) == port.name);
    }
    return 0;
}
