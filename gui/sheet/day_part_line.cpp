#include "gui/sheet/day_part_line.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace cv {

DayPartLine::DayPartLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dayPartLine"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    mark = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    mark->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    mark->setAccessibleName(tr("Warning"));
    layout->addWidget(mark);
    text = new QLabel(this);
    text->setObjectName(QStringLiteral("dayPartText"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text, 1);
    // Out of the tab order like Send Timers; Alt+N reaches it.
    sendNow = new QPushButton(tr("Send &Now"), this);
    sendNow->setObjectName(QStringLiteral("dayPartSendNow"));
    sendNow->setAutoDefault(false);
    sendNow->setFocusPolicy(Qt::ClickFocus);
    connect(sendNow, &QPushButton::clicked, this, &DayPartLine::sendNowRequested);
    layout->addWidget(sendNow);
}

void DayPartLine::Show(const QString& sentence, bool offerSend) {
    text->setText(sentence);
    mark->setVisible(offerSend);
    sendNow->setVisible(offerSend);
    sendNow->setAccessibleDescription(offerSend ? sentence : QString());
    setVisible(!sentence.isEmpty());
}

}  // namespace cv
