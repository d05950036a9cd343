#include "core/device/port_map.h"
#include "core/device/port_menu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/temp_folder.h"
#include "tools/fake_device_tree.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

// A fake root with /dev nodes (empty files will do) and the sysfs type of each ttyS.
class PortMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "cv-portmap-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        fs::create_directories(root / "dev/serial/by-id");
        // ttyS1 and ttyS3 are placeholders the kernel makes for absent UARTs.
        for (const auto& [name, type] : {std::pair{"ttyS0", "4"}, {"ttyS1", "0"}, {"ttyS2", "4"}, {"ttyS3", "0"},
                                         {"ttyS10", "4\n"}}) {
            Touch(root / "dev" / name);
            fs::create_directories(root / "sys/class/tty" / name);
            std::ofstream(root / "sys/class/tty" / name / "type") << type;
        }
        Touch(root / "dev/ttyS4");  // no sysfs entry: not counted
        for (const char* name : {"ttyUSB10", "ttyUSB0", "ttyUSB2", "ttyACM0", "ttyS", "ttySx", "tty0", "ttyUSB1a"})
            Touch(root / "dev" / name);
    }
    void TearDown() override { fs::remove_all(root); }

    static void Touch(const fs::path& path) { std::ofstream{path}; }
    std::string Dev(const std::string& name) const { return (root / "dev" / name).string(); }

    fs::path root;
};

TEST_F(PortMapTest, ListsRealPortsByGroupInNumericOrder) {
    EXPECT_EQ(ListSerialDevices(root.string()),
              (std::vector<std::string>{Dev("ttyS0"), Dev("ttyS2"), Dev("ttyS10"), Dev("ttyUSB0"), Dev("ttyUSB2"),
                                        Dev("ttyUSB10"), Dev("ttyACM0")}));
}

TEST_F(PortMapTest, PortsCountThroughPresentDevices) {
    const PortOverrides none;
    EXPECT_EQ(FindPortDevice(1, none, root.string()).device, Dev("ttyS0"));
    EXPECT_EQ(FindPortDevice(4, none, root.string()).device, Dev("ttyUSB0"));
    EXPECT_EQ(FindPortDevice(7, none, root.string()).device, Dev("ttyACM0"));
    EXPECT_FALSE(FindPortDevice(7, none, root.string()).fromSettings);
    for (int port : {0, -1, 8, 65535}) {
        const PortLookup lookup = FindPortDevice(port, none, root.string());
        EXPECT_FALSE(lookup.found) << port;
        EXPECT_EQ(lookup.reason, "no serial device for port " + std::to_string(port) + " (7 found)");
    }
}

TEST_F(PortMapTest, OverridesTakeTheirNumberAndTheirDevice) {
    fs::create_symlink("../../ttyUSB0", root / "dev/serial/by-id/usb-unit-if00");
    const std::string byId = (root / "dev/serial/by-id/usb-unit-if00").string();
    const PortOverrides overrides{{2, byId}, {5, "/dev/ttyNotThere"}, {4, Dev("ttyS10")}};

    struct Case {
        int port;
        std::string device;
        bool fromSettings;
    };
    const Case cases[] = {
        {1, Dev("ttyS0"), false},   {2, byId, true},
        {3, Dev("ttyS2"), false},   {4, Dev("ttyS10"), true},
        {5, "/dev/ttyNotThere", true}, {6, Dev("ttyUSB2"), false},  // ttyUSB0 belongs to port 2
        {7, Dev("ttyUSB10"), false}, {8, Dev("ttyACM0"), false},
    };
    for (const Case& c : cases) {
        const PortLookup lookup = FindPortDevice(c.port, overrides, root.string());
        EXPECT_TRUE(lookup.found) << c.port;
        EXPECT_EQ(lookup.device, c.device) << c.port;
        EXPECT_EQ(lookup.fromSettings, c.fromSettings) << c.port;
    }
    EXPECT_FALSE(FindPortDevice(9, overrides, root.string()).found);
}

TEST_F(PortMapTest, PresentPortsAreTheCountedOnesAndTheNamedOnesThatAreThere) {
    fs::create_symlink("../../ttyUSB0", root / "dev/serial/by-id/usb-unit-if00");
    const std::string byId = (root / "dev/serial/by-id/usb-unit-if00").string();
    const PortOverrides overrides{{2, byId}, {5, "/dev/ttyNotThere"}, {30, Dev("ttyACM0")}};
    EXPECT_EQ(ListPresentPorts(overrides, root.string()),
              (std::map<int, std::string>{{1, Dev("ttyS0")}, {2, byId}, {3, Dev("ttyS2")}, {4, Dev("ttyS10")},
                                          {6, Dev("ttyUSB2")}, {7, Dev("ttyUSB10")}, {30, Dev("ttyACM0")}}));
}

// Thirteen devices: the thirteenth goes past port 13, which the settings file
// gives to a device that is not there.
TEST_F(PortMapTest, TheMenuGoesOnPastTwelveForPresentPortsAndTheChosenOne) {
    for (int n = 20; n < 26; ++n) Touch(root / "dev" / ("ttyUSB" + std::to_string(n)));
    const std::vector<MenuPort> ports = ListMenuPorts({{13, "/dev/ttyNotThere"}}, 40, root.string());

    std::vector<int> numbers;
    for (const MenuPort& port : ports) numbers.push_back(port.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 40}));
    EXPECT_EQ(ports[12].lookup.device, Dev("ttyACM0"));
    EXPECT_TRUE(ports[12].present);
    EXPECT_FALSE(ports[13].lookup.found);
    EXPECT_FALSE(ports[13].present);
}

// A 16550 UART, an FTDI adapter (usb-serial) and a CDC-ACM device, laid out as
// the kernel lays them out, each named as the one device asked about and as
// the menu's one look names them.
TEST(PortNames, EachKindOfSerialDeviceIsNamedFromSysfs) {
    TempFolder folder;
    FakeDeviceTree tree(folder.Path());
    tree.AddUart(0);
    tree.AddUart(1, false);
    tree.AddUsbSerial(0, FtdiAdapter());
    tree.AddUsbModem(0, CdcAcmDevice());
    tree.AddUsbSerial(1, {"1a86", "7523", "", ""});  // a device without strings
    const std::string byId = tree.AddByIdLink("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "ttyUSB0");
    const std::string alias = tree.AddDevLink("ttyUSB9", "ttyUSB0");  // an alias a udev rule made

    const std::pair<std::string, std::string> named[] = {
        {tree.Dev("ttyS0"), "built-in serial port"},
        {tree.Dev("ttyS1"), ""},  // a placeholder for a UART that is not there
        {tree.Dev("ttyUSB0"), "FT232R USB UART (FTDI)"},
        {byId, "FT232R USB UART (FTDI)"},
        {alias, "FT232R USB UART (FTDI)"},
        {tree.Dev("ttyACM0"), "STM32 Virtual ComPort (STMicroelectronics)"},
        {tree.Dev("ttyUSB1"), "USB device 1a86:7523"},
        {tree.Dev("ttyUSB7"), ""},
    };
    const SerialDeviceScan scan = ScanSerialDevices(tree.Root());
    for (const auto& [device, name] : named) {
        EXPECT_EQ(DeviceHardwareName(device, tree.Root()), name) << device;
        EXPECT_EQ(HardwareNameIn(scan, device), name) << device;
    }

    // Port 1 is the UART, Port 2 the by-id link named in [Ports], so ttyUSB0 counts no more.
    const std::vector<MenuPort> ports = ListMenuPorts({{2, byId}}, 1, tree.Root());
    const std::vector<std::string> menuNames = {ports[0].name, ports[1].name, ports[2].name, ports[3].name,
                                                ports[4].name};
    EXPECT_EQ(menuNames, (std::vector<std::string>{"built-in serial port", "FT232R USB UART (FTDI)",
                                                   "USB device 1a86:7523", "STM32 Virtual ComPort (STMicroelectronics)",
                                                   ""}));
}

// A link a killed virtual-port tool left in /dev reaches no device: it takes no
// port number, so the real device after it keeps Port 1, and no item shows it.
TEST(PortNames, ADanglingLinkInDevIsNoSerialDevice) {
    TempFolder folder;
    FakeDeviceTree tree(folder.Path());
    tree.AddDanglingLink("ttyACM0");
    tree.AddUsbModem(1, CdcAcmDevice());
    tree.AddDanglingLink("ttyUSB13");

    EXPECT_EQ(ListSerialDevices(tree.Root()), std::vector<std::string>{tree.Dev("ttyACM1")});
    EXPECT_EQ(FindPortDevice(1, {}, tree.Root()).device, tree.Dev("ttyACM1"));
    for (const MenuPort& port : ListMenuPorts({}, 1, tree.Root())) {
        EXPECT_LE(port.number, kPortMenuCount);
        EXPECT_NE(port.lookup.device, tree.Dev("ttyACM0")) << port.number;
    }
}

}  // namespace
}  // namespace cv
