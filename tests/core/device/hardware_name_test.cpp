#include "core/device/hardware_name.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

// What Windows' device information holds for common adapters (friendly name,
// device description, manufacturer) and what the menu shows for each.
TEST(HardwareName, ComPortsAreNamedAsDeviceManagerNamesThemWithoutThePort) {
    struct Case {
        const char* friendlyName;
        const char* description;
        const char* manufacturer;
        const char* shown;
    };
    const Case cases[] = {
        {"USB Serial Port (COM5)", "USB Serial Port", "FTDI", "USB Serial Port (FTDI)"},
        {"Prolific USB-to-Serial Comm Port (COM13)", "Prolific USB-to-Serial Comm Port", "Prolific",
         "Prolific USB-to-Serial Comm Port"},
        {"Communications Port (COM1)", "Communications Port", "(Standard port types)", "Communications Port"},
        // No friendly name, and the description as the registry stores it.
        {"", "@oem12.inf,%ch341.devicedesc%;USB-SERIAL CH340", "wch.cn", "USB-SERIAL CH340 (wch.cn)"},
        {"", "", "", ""},
        {"", "", "(Standard port types)", "(Standard port types)"},  // the one thing told
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComPortName(c.friendlyName, c.description, c.manufacturer), c.shown) << c.friendlyName;
}

TEST(HardwareName, UsbStringsAreShownAsOneLineOfReasonableLength) {
    EXPECT_EQ(UsbDeviceName("FTDI", "FT232R USB UART"), "FT232R USB UART (FTDI)");
    EXPECT_EQ(UsbDeviceName("", "USB Serial"), "USB Serial");
    // A device chooses its own strings: control characters go, a long one is cut.
    EXPECT_EQ(UsbDeviceName("Acme\x1b[2J", "Line\tone\r\ntwo  "), "Line one two (Acme [2J)");
    EXPECT_EQ(UsbDeviceName("", "Line\xC2\x85one\xC2\x9B" "2J"), "Line one 2J");
    // Bytes that are not UTF-8 (Latin-1 "Café") are marked, and never cut to nothing.
    EXPECT_EQ(UsbDeviceName("", "Caf\xE9"), "Caf\uFFFD");
    std::string marks;
    for (int i = 0; i < 16; ++i) marks += "\uFFFD";  // 48 bytes
    EXPECT_EQ(UsbDeviceName("", std::string(60, '\x80')), marks);
    EXPECT_EQ(UsbDeviceName("", std::string(30, 'x') + std::string(40, 'y')),
              std::string(30, 'x') + std::string(18, 'y'));
}

}  // namespace
}  // namespace cv
