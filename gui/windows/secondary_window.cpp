#include "gui/windows/secondary_window.h"

#include <QAction>

#include "gui/access/accessibility.h"
#include "gui/windows/window_placement.h"

namespace cv {

SecondaryWindow::SecondaryWindow(const QString& title, const QString& objectName, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    // Before anything makes Qt look up how to describe the window.
    SetAccessibleRole(*this, QAccessible::Window);
    setWindowTitle(title);
    setObjectName(objectName);
    auto* close = new QAction(this);
    QList<QKeySequence> keys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!keys.contains(key)) keys << key;
    }
    close->setShortcuts(keys);
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void SecondaryWindow::ShowBeside(const QWidget& beside) { ShowWindowBeside(*this, beside); }

}  // namespace cv
