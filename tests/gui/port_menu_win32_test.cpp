// The Comm Port menu on Windows: a COM port numbered above 12, as Windows
// numbers a newly plugged USB adapter, follows Port 12, says what is plugged in
// and can be chosen. scripts/test-windows lists the units' ports the way Windows
// lists an adapter's, and registers the first as an FTDI adapter's.

#include <cstdlib>

#include "tests/gui/port_menu_items.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

using PortMenuTest = SheetTest;

TEST_F(PortMenuTest, AComPortAboveTwelveFollowsPortTwelveAndCanBeChosen) {
    const char* variable = std::getenv("CVTIMER_UNIT_PORT");
    ASSERT_NE(variable, nullptr) << "run through scripts/wine-run --units";
    const int port = std::atoi(variable);
    ASSERT_GT(port, kPortMenuCount);

    emit sheet->CommPortMenu()->aboutToShow();
    const QStringList items = ItemTexts(sheet->CommPortMenu());
    ASSERT_GT(items.size(), kPortMenuCount);
    EXPECT_EQ(items[kPortMenuCount], "-");
    EXPECT_TRUE(items.contains(QStringLiteral("Port %1 \u2013 USB Serial Port (FTDI)").arg(port)))
        << items.join(' ').toStdString();
    EXPECT_EQ(sheet->PortAction(port)->toolTip(), QStringLiteral("Port %1 reaches COM%1").arg(port));

    sheet->PortAction(port)->trigger();
    EXPECT_EQ(MarkedPorts(*sheet), std::vector<int>{port});
    EXPECT_EQ(ReadBytes(SettingsPath()), "[SerialComm]\nPortNo=" + std::to_string(port) + "\n");
}

}  // namespace
}  // namespace cv
