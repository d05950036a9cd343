#include "core/device/port_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace cv
