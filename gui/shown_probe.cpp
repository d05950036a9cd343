#include "gui/shown_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <cstdio>

namespace cv {

namespace {

// Watches every object's events for the first window the window system
// reports as exposed, which is when the user would see it.
class ShownProbe : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || reported) return false;
        const auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed()) return false;
        reported = true;
        // UTF-8 whatever the code page: the reader is a script.
        std::printf("shown: %s\n", window->title().toUtf8().constData());
        std::fflush(stdout);
        // Ends the sheet's own event loop too, so the program winds down the
        // way it does when the window is closed.
        QCoreApplication::exit(0);
        return false;
    }

private:
    bool reported = false;
};

}  // namespace

void ExitWhenShownIfAsked() {
    if (qEnvironmentVariableIsEmpty("CVTIMER_EXIT_WHEN_SHOWN")) return;
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new ShownProbe(application));
}

}  // namespace cv
