#include <QApplication>
#include <cstdio>
#include <string_view>

#include "cvtimer_version.h"
#include "gui/prompts.h"
#include "gui/shown_probe.h"
#include "gui/timer_app.h"
#include "core/device/port_map.h"
#include "core/settings/port_setting.h"
#include "core/device/serial_link.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so it works without a display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("cvtimer %s\n", CVTIMER_VERSION);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CV Timer"));
    QApplication::setApplicationVersion(QStringLiteral(CVTIMER_VERSION));
    cv::ExitWhenShownIfAsked();
    QGuiApplication::setDesktopFileName(QStringLiteral("cvtimer"));

    // Taken now, before any file dialog changes the current folder.
    const std::string startFolder = cv::StartFolder();
    const std::string settingsPath = cv::SettingsPathIn(startFolder);
    // Port numbers may be tied to devices in the settings file; read it at
    // every open so an edit takes effect without a restart.
    cv::TheSerialLink().SetPortResolver([settingsPath](int port) {
        return cv::FindPortDevice(port, cv::ReadPortOverrides(settingsPath));
    });

    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts, startFolder);
    // "cvtimer FILE" starts with that timer file on the sheet.
    const QStringList arguments = QApplication::arguments();
    return app.Run(arguments.size() > 1 ? arguments.at(1) : QString());
}
