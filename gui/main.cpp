#include <QApplication>
#include <cstdio>
#include <string_view>

#include "cvtimer_version.h"
#include "gui/language/language_setup.h"
#include "gui/prompts.h"
#include "gui/shown_probe.h"
#include "gui/timer_app.h"
#include "core/device/port_map.h"
#include "core/language/language_choice.h"
#include "core/settings/folder_paths.h"
#include "core/settings/port_setting.h"
#include "core/settings/work_folder.h"
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

    // "cvtimer [--in-documents] [FILE]": the Start Menu passes the switch, and
    // FILE starts the program with that timer file on the sheet.
    bool inDocuments = false;
    QString fileToOpen;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String(cv::kInDocumentsOption)) {
            inDocuments = true;
        } else if (fileToOpen.isEmpty()) {
            fileToOpen = arguments.at(i);
        }
    }

    // The start folder is taken now, before any file dialog changes the
    // current folder.
    const cv::WorkFolder work = cv::ChooseWorkFolder(inDocuments, cv::StartFolder());
    const std::string settingsPath = cv::SettingsPathIn(work.folder);
    // Port numbers may be tied to devices in the settings file; read it at
    // every open so an edit takes effect without a restart.
    cv::TheSerialLink().SetPortResolver([settingsPath](int port) {
        return cv::FindPortDevice(port, cv::ReadPortOverrides(settingsPath));
    });

    // Before any window: widgets take their texts when they are made.
    const cv::LanguageChoice language = cv::ChooseLanguageFor(settingsPath);
    cv::InstallLanguage(language.language);

    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts, work);
    if (language.pinUnknown) {
        app.SetStartNotice(QCoreApplication::translate(
            "cv::TimerApp", "CVTimerSystem.ini asks for the language \"%1\", which CV Timer does not speak, so it "
                        "speaks English. Write en, es or fr as [Display] Language there.")
                               .arg(QString::fromStdString(language.unknownPin)));
    }
    return app.Run(fileToOpen);
}
