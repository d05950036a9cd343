// The Comm Port menu: which port the sheet sends to, its radio mark, and the
// settings file that remembers it between runs.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

#include "core/device/port_map.h"
#include "core/settings/port_setting.h"
#include "gui/prompts.h"
#include "gui/timer_sheet.h"

namespace cv {

void TimerSheetDialog::LoadPortSetting() {
    portNumber = ReadPortNumber(settingsPath);
    // Said once at start: otherwise every port choice would be lost unexplained.
    const std::string problem = DescribeSettingsFileProblem(settingsPath);
    if (!problem.empty()) {
        promptsRef.ShowMessage(this, {QApplication::applicationName(), QStringLiteral("Cannot Read Settings File"),
                                      QString::fromStdString(problem) +
                                          QStringLiteral(" A port chosen now holds until CV Timer ends."),
                                      PromptMessage::Icon::Warning});
    }
    ApplyPortSelection();
}

void TimerSheetDialog::SelectPort(int port) {
    // The link may be open on the old port; the next send reopens it.
    if (port != portNumber) linkReset = true;
    portNumber = static_cast<std::uint16_t>(port);
    ApplyPortSelection();
}

void TimerSheetDialog::ApplyPortSelection() {
    for (int n = 1; n <= kPortMenuCount; ++n) PortAction(n)->setChecked(n == portNumber);
    // Nothing to tell the user if this fails: the choice holds for this run.
    WritePortNumber(settingsPath, portNumber);
}

void TimerSheetDialog::RefreshPortTips() {
    const PortOverrides overrides = ReadPortOverrides(settingsPath);
    for (int n = 1; n <= kPortMenuCount; ++n) {
        const PortLookup lookup = FindPortDevice(n, overrides, portRoot);
        const QString device = QString::fromStdString(lookup.device);
        // A device named in the settings file, or a COM port on Windows, may be unplugged.
        const QString tip = !lookup.found ? QStringLiteral("Port %1: no serial device").arg(n)
                            : DevicePresent(lookup.device)
                                ? QStringLiteral("Port %1 reaches %2").arg(n).arg(device)
                                : QStringLiteral("Port %1 would reach %2, which is not connected").arg(n).arg(device);
        PortAction(n)->setToolTip(tip);
        PortAction(n)->setStatusTip(tip);
    }
}

}  // namespace cv
