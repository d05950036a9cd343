#include "core/device/port_map.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace cv {
namespace {

TEST(PortMapWindows, PortNumbersAreComPortsUnlessTheSettingsSayOtherwise) {
    const PortOverrides overrides{{2, "COM7"}, {3, "\\\\.\\COM8"}, {4, "com9"}, {5, "\\\\.\\CNCA0"}};
    struct Case {
        int port;
        std::string device;
        bool fromSettings;
    };
    const Case cases[] = {
        {1, "\\\\.\\COM1", false},  {2, "\\\\.\\COM7", true},   {3, "\\\\.\\COM8", true},
        {4, "\\\\.\\com9", true},   {5, "\\\\.\\CNCA0", true},  {12, "\\\\.\\COM12", false},
        {65535, "\\\\.\\COM65535", false},
    };
    for (const Case& c : cases) {
        const PortLookup lookup = FindPortDevice(c.port, overrides);
        EXPECT_TRUE(lookup.found) << c.port;
        EXPECT_EQ(lookup.device, c.device) << c.port;
        EXPECT_EQ(lookup.fromSettings, c.fromSettings) << c.port;
    }
    EXPECT_FALSE(FindPortDevice(0, overrides).found);
}

// The test runner maps a simulated unit to a COM port; port 199 is never mapped.
TEST(PortMapWindows, TellsPresentPortsFromMissingOnes) {
    const char* unitPort = std::getenv("CVTIMER_UNIT_PORT");
    ASSERT_NE(unitPort, nullptr) << "run through scripts/wine-run --units";
    EXPECT_TRUE(DevicePresent("\\\\.\\COM" + std::string(unitPort)));
    EXPECT_FALSE(DevicePresent("\\\\.\\COM199"));
}

// scripts/test-windows makes the units' ports known to Wine as a driver makes an
// adapter's port known to Windows, so the system lists them.
TEST(PortMapWindows, PortsOfListedComPortsArePresentUnlessTheSettingsSayOtherwise) {
    const char* unitPort = std::getenv("CVTIMER_UNIT_PORT");
    ASSERT_NE(unitPort, nullptr) << "run through scripts/wine-run --units";
    const int unit = std::atoi(unitPort);
    const std::string device = "\\\\.\\COM" + std::string(unitPort);

    const std::map<int, std::string> listed = ListPresentPorts({});
    EXPECT_EQ(listed.count(unit) ? listed.at(unit) : "", device) << "is the prefix booted by scripts/test-windows?";
    // Port 13 is named for the unit's port, the unit's own number for a port that is not there.
    const std::map<int, std::string> moved = ListPresentPorts({{unit, "COM199"}, {13, "COM" + std::string(unitPort)}});
    EXPECT_EQ(moved.count(unit), 0u);
    EXPECT_EQ(moved.count(13) ? moved.at(13) : "", device);
}

// scripts/test-windows registers the unit's port in the prefix as Windows
// registers an FTDI adapter's: Device Manager would show "USB Serial Port (COMn)".
TEST(PortMapWindows, APortIsNamedFromTheSystemsDeviceInformation) {
    const char* unitPort = std::getenv("CVTIMER_UNIT_PORT");
    const char* silentPort = std::getenv("CVTIMER_SILENT_UNIT_PORT");
    ASSERT_TRUE(unitPort && silentPort) << "run through scripts/wine-run --units";
    const std::string device = "\\\\.\\COM" + std::string(unitPort);

    EXPECT_EQ(DeviceHardwareName(device), "USB Serial Port (FTDI)");
    EXPECT_EQ(DeviceHardwareName("com" + std::string(unitPort)), "USB Serial Port (FTDI)");
    EXPECT_EQ(DeviceHardwareName("\\\\.\\COM199"), "");
    const SerialDeviceScan scan = ScanSerialDevices();
    EXPECT_EQ(HardwareNameIn(scan, device), "USB Serial Port (FTDI)");
    // The silent unit's port is listed, but no device information names it.
    EXPECT_EQ(HardwareNameIn(scan, "\\\\.\\COM" + std::string(silentPort)), "");
}

}  // namespace
}  // namespace cv
