#include "gui/access/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include "core/platform/screen_reader_notice.h"
#include "gui/access/focus_ring.h"
#include "gui/access/line_edit_accessible.h"

namespace cv {

namespace {

const char* const kRoleProperty = "cvAccessibleRole";

// Asked before Qt's own factory: installed later, asked first.
QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QLineEdit")) {
        // A spin box's field is read through the spin box, as Qt does.
        if (widget->objectName() == QLatin1String("qt_spinbox_lineedit")) return nullptr;
        return new LineEditAccessible(widget);
    }
    if (className == QLatin1String("QWidget")) {
        const QVariant role = widget->property(kRoleProperty);
        if (role.isValid()) return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    return nullptr;
}

void FollowFocus(QWidget*, QWidget* now) {
    static QPointer<FocusRing> ring;
    if (!ring) ring = new FocusRing;
    ring->Follow(now);
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&MakeInterface);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FollowFocus);
}

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

void Announce(QWidget& within, const QString& text) {
    // Qt 6.4 tells AT-SPI of a changed name or description without the new
    // text (Orca logs "bad content sent to speak()" and says nothing), but Orca
    // says a notification as it is shown: a widget of that role, of no size,
    // named with the text and shown afresh. One per window: when they come
    // faster than Orca speaks, it says the newest and passes over the rest.
    QWidget* window = within.window();
    const QString name = QStringLiteral("cvAnnouncement");
    auto* notice = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QWidget(window);
        notice->setObjectName(name);
        SetAccessibleRole(*notice, QAccessible::Notification);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFixedSize(0, 0);
    }
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
    NoticeToScreenReader(static_cast<std::uintptr_t>(window->effectiveWinId()), text.toStdString());
}

QStringList WithMnemonics(const QStringList& texts) {
    QSet<QChar> taken;
    QStringList marked;
    for (const QString& text : texts) {
        // Positions in text, best first; a literal "&&" is passed over.
        QList<int> candidates;
        qsizetype digits = 0;
        while (digits < text.size() && !text.at(digits).isDigit()) ++digits;
        if (digits < text.size()) {
            qsizetype end = digits;
            while (end < text.size() && text.at(end).isDigit()) ++end;
            for (qsizetype i = end - 1; i >= digits; --i) candidates << static_cast<int>(i);
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (text.at(i).isLetterOrNumber()) candidates << static_cast<int>(i);
        }
        QString withMark = text;
        for (int at : candidates) {
            const QChar key = text.at(at).toUpper();
            if (taken.contains(key)) continue;
            taken.insert(key);
            withMark.insert(at, QLatin1Char('&'));
            break;
        }
        marked << withMark;
    }
    return marked;
}

}  // namespace cv
