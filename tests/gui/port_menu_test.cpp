#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <filesystem>

#include "tests/gui/port_menu_items.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

using PortMenuTest = SheetTest;

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

}  // namespace
}  // namespace cv
