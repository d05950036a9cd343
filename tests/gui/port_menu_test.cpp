#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <filesystem>

#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

using PortMenuTest = SheetTest;

std::vector<int> MarkedPorts(const TimerSheetDialog& sheet) {
    std::vector<int> marked;
    for (QAction* item : sheet.CommPortMenu()->actions()) {
        if (item->isChecked()) marked.push_back(item->text().mid(5).toInt());
    }
    return marked;
}

QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* item : menu->actions()) texts << (item->isSeparator() ? "-" : item->text());
    return texts;
}

TEST_F(PortMenuTest, WithoutASettingsFilePortOneIsMarkedAndRemembered) {
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{1});
    EXPECT_EQ(ReadBytes(SettingsPath()), "[SerialComm]\nPortNo=1\n");
}

TEST_F(PortMenuTest, StartsOnThePortTheSettingsFileNames) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"PortNo=12", {12}}, {"PortNo=0", {}}, {"PortNo=15", {15}}, {"PortNo=junk", {}}};
    for (const auto& [line, marked] : cases) {
        WriteBytes(SettingsPath(), std::string("; kept\n[SerialComm]\n") + line + "\n");
        OpenSheet();
        EXPECT_EQ(MarkedPorts(*sheet), marked) << line;
        // Written back as read, the comment kept.
        const std::string number = std::to_string(sheet->portNumber);
        EXPECT_EQ(ReadBytes(SettingsPath()), "; kept\n[SerialComm]\nPortNo=" + number + "\n") << line;
    }
}

TEST_F(PortMenuTest, AHugeSettingsFileIsNamedAtStartAndNeverRewritten) {
    std::string huge = "[SerialComm]\nPortNo=7\n" + std::string(2 * 1024 * 1024, '\n');
    WriteBytes(SettingsPath(), huge);
    prompts.shown.clear();
    OpenSheet();
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Cannot Read Settings File"});
    EXPECT_TRUE(prompts.shown[0].detail.startsWith(QString::fromStdString(SettingsPath() + " is larger than 1 MiB")))
        << prompts.shown[0].detail.toStdString();
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{1});
    sheet->PortAction(5)->trigger();
    EXPECT_EQ(ReadBytes(SettingsPath()), huge);
}

TEST_F(PortMenuTest, ChoosingAPortMovesTheMarkAndWritesItAtOnce) {
    sheet->PortAction(5)->trigger();
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{5});
    EXPECT_EQ(sheet->portNumber, 5);
    EXPECT_EQ(ReadBytes(SettingsPath()), "[SerialComm]\nPortNo=5\n");
    EXPECT_TRUE(sheet->linkReset);

    // Choosing the marked port again keeps it marked and the link as it is.
    sheet->linkReset = false;
    sheet->PortAction(5)->trigger();
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{5});
    EXPECT_FALSE(sheet->linkReset);
}

TEST_F(PortMenuTest, SettingsStayInTheStartFolderWhateverTheCurrentFolder) {
    const std::filesystem::path before = std::filesystem::current_path();
    const std::string elsewhere = FolderPath("elsewhere");
    std::filesystem::create_directory(elsewhere);
    std::filesystem::current_path(elsewhere);
    sheet->PortAction(3)->trigger();
    std::filesystem::current_path(before);
    EXPECT_EQ(ReadBytes(SettingsPath()), "[SerialComm]\nPortNo=3\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere + "/CVTimerSystem.ini"));
}

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
    EXPECT_EQ(sheet->PortAction(1)->text(), "Port 1");
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
