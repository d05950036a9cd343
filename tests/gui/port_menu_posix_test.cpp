// The Comm Port menu over a /dev tree of the test's own: which device each
// port reaches, and ports above 12 as adapters come and go.

#include <filesystem>

#include "core/device/port_map.h"
#include "tests/gui/port_menu_items.h"
#include "tests/gui/sheet_fixture.h"
#include "tools/fake_device_tree.h"

namespace cv {
namespace {

using PortMenuTest = SheetTest;

TEST_F(PortMenuTest, PortTipsNameTheDeviceEachPortReaches) {
    namespace fs = std::filesystem;
    const fs::path root = FolderPath("root");
    fs::create_directories(root / "dev");
    fs::create_directories(root / "sys/class/tty");
    WriteBytes((root / "dev/ttyUSB0").string(), "");
    WriteBytes(SettingsPath(), "[SerialComm]\nPortNo=1\n[Ports]\nCOM2=/dev/serial/by-id/usb-unit\n");
    sheet->SetPortRoot(root.string());

    emit sheet->CommPortMenu()->aboutToShow();
    EXPECT_EQ(sheet->PortAction(1)->toolTip(), "Port 1 reaches " + QString::fromStdString((root / "dev/ttyUSB0").string()));
    EXPECT_EQ(sheet->PortAction(2)->toolTip(),
              "Port 2 would reach /dev/serial/by-id/usb-unit, which is not connected");
    EXPECT_EQ(sheet->PortAction(3)->toolTip(), "Port 3: no serial device");
    EXPECT_EQ(sheet->PortAction(3)->statusTip(), sheet->PortAction(3)->toolTip());
    EXPECT_EQ(MenuText(sheet->PortAction(1)), "Port 1");
}

// The window shows before anything looks at the devices; opening the menu looks
// once, and each item then names what is plugged in behind it.
TEST_F(PortMenuTest, ItemsNameWhatIsPluggedInOnceTheMenuOpensAndNotBefore) {
    FakeDeviceTree tree(FolderPath("root"));
    tree.AddUart(0);
    tree.AddUsbSerial(0, FtdiAdapter());
    const unsigned long looks = SerialDeviceLooks();
    OpenSheet();
    EXPECT_EQ(SerialDeviceLooks(), looks);
    sheet->SetPortRoot(tree.Root());

    emit sheet->CommPortMenu()->aboutToShow();
    EXPECT_EQ(SerialDeviceLooks(), looks + 1);
    const QStringList items = ItemTexts(sheet->CommPortMenu());
    EXPECT_EQ(items.mid(0, 3), (QStringList{"Port 1 \u2013 built-in serial port",
                                            "Port 2 \u2013 FT232R USB UART (FTDI)", "Port 3"}));
    EXPECT_EQ(sheet->PortAction(2)->toolTip(), "Port 2 reaches " + QString::fromStdString(tree.Dev("ttyUSB0")));
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{1});
}

// Fourteen USB adapters: Port 13 and Port 14 follow Port 12 while they are
// plugged in; the chosen one stays when it is unplugged.
TEST_F(PortMenuTest, PortsAboveTwelveComeAndGoWithTheirDevices) {
    namespace fs = std::filesystem;
    const fs::path root = FolderPath("root");
    fs::create_directories(root / "dev");
    for (int n = 0; n < 14; ++n) WriteBytes((root / "dev" / ("ttyUSB" + std::to_string(n))).string(), "");
    sheet->SetPortRoot(root.string());

    emit sheet->CommPortMenu()->aboutToShow();
    QStringList expected;
    for (int n = 1; n <= kPortMenuCount; ++n) expected << QStringLiteral("Port %1").arg(n);
    EXPECT_EQ(ItemTexts(sheet->CommPortMenu()), (expected + QStringList{"-", "Port 13", "Port 14"}));
    sheet->PortAction(14)->trigger();
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{14});
    EXPECT_EQ(ReadBytes(SettingsPath()), "[SerialComm]\nPortNo=14\n");

    fs::remove(root / "dev/ttyUSB12");
    fs::remove(root / "dev/ttyUSB13");
    emit sheet->CommPortMenu()->aboutToShow();
    EXPECT_EQ(ItemTexts(sheet->CommPortMenu()), (expected + QStringList{"-", "Port 14"}));
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{14});
    EXPECT_EQ(sheet->PortAction(14)->toolTip(), "Port 14: no serial device");
}

}  // namespace
}  // namespace cv
