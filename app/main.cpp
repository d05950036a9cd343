#include <QApplication>

#include "app/prompts.h"
#include "app/timer_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CV Timer"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("cvtimer"));

    cv::DialogPrompts prompts;
    cv::TimerApp app(prompts);
    return app.Run();
}
