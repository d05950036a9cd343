// The Comm Port menu: which port the sheet sends to, its radio mark, and the
// settings file that remembers it between runs.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

#include "core/settings/line_setting.h"
#include "core/settings/port_setting.h"
#include "gui/access/accessibility.h"
#include "gui/prompts.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

void TimerSheetDialog::LoadPortSetting() {
    portNumber = ReadPortNumber(settingsPath);
    // Said once at start: otherwise every port choice would be lost unexplained.
    const std::string problem = DescribeSettingsFileProblem(settingsPath);
    if (!problem.empty()) {
        promptsRef.ShowMessage(this, {QApplication::applicationName(), tr("Cannot Read Settings File"),
                                      QStringLiteral("%1 %2").arg(QString::fromStdString(problem),
                                                                  tr("A port chosen now holds until CV Timer ends.")),
                                      PromptMessage::Icon::Warning});
    } else if (const std::string lineProblem = ReadLineSettings(settingsPath).problem; !lineProblem.empty()) {
        promptsRef.ShowMessage(this, {QApplication::applicationName(), tr("Unknown Line Setting"),
                                      QString::fromStdString(lineProblem), PromptMessage::Icon::Warning});
    }
    // The devices are looked at when the menu is about to open, not before the
    // window shows: until then the menu offers the ports it always offers.
    ShowPortItems(MenuPortNumbers({}, portNumber));
    ApplyPortSelection();
}

void TimerSheetDialog::SelectPort(int port) {
    // The link may be open on the old port; the next send reopens it.
    if (port != portNumber) linkReset = true;
    portNumber = static_cast<std::uint16_t>(port);
    ApplyPortSelection();
    emit portSelected();
}

void TimerSheetDialog::ApplyPortSelection() {
    for (QAction* port : portGroup->actions()) port->setChecked(port->data().toInt() == portNumber);
    // Nothing to tell the user if this fails: the choice holds for this run.
    WritePortNumber(settingsPath, portNumber);
}

QAction* TimerSheetDialog::AddPortAction(int number) {
    QAction* port = commPortMenu->addAction(QString());
    SetPortText(port, tr("Port %1").arg(number));
    port->setData(number);
    port->setCheckable(true);
    port->setChecked(number == portNumber);
    port->setActionGroup(portGroup);
    connect(port, &QAction::triggered, this, [this, number] { SelectPort(number); });
    return port;
}

QAction* TimerSheetDialog::PortAction(int number) const {
    if (number >= 1 && number <= kPortMenuCount) return portActions[number - 1];
    for (QAction* port : morePortItems) {
        if (!port->isSeparator() && port->data().toInt() == number) return port;
    }
    return nullptr;
}

void TimerSheetDialog::ShowPortItems(const std::vector<int>& numbers) {
    for (QAction* item : morePortItems) portWords.remove(item);
    qDeleteAll(morePortItems);
    morePortItems.clear();
    for (int number : numbers) {
        if (number <= kPortMenuCount) continue;
        if (morePortItems.empty()) morePortItems.push_back(commPortMenu->addSeparator());
        morePortItems.push_back(AddPortAction(number));
    }
    MarkPortMnemonics();
}

void TimerSheetDialog::SetPortText(QAction* port, const QString& text) { portWords[port] = text; }

void TimerSheetDialog::MarkPortMnemonics() {
    // Each port by a key of its own in the open menu: Port 1 to Port 9 by their
    // digit, Port 10 by 0, and the rest by a letter left over.
    QList<QAction*> ports;
    QStringList texts;
    for (QAction* item : commPortMenu->actions()) {
        if (item->isSeparator()) continue;
        ports << item;
        texts << portWords.value(item);
    }
    const QStringList marked = WithMnemonics(texts);
    for (qsizetype i = 0; i < ports.size(); ++i) {
        if (ports[i]->text() != marked[i]) ports[i]->setText(marked[i]);
    }
}

void TimerSheetDialog::RefreshPortMenu() {
    const std::vector<MenuPort> ports = ListMenuPorts(ReadPortOverrides(settingsPath), portNumber, portRoot);
    std::vector<int> numbers;
    for (const MenuPort& port : ports) numbers.push_back(port.number);
    ShowPortItems(numbers);
    for (const MenuPort& port : ports) {
        QAction* item = PortAction(port.number);
        // The item still begins with "Port n" for keyboard users and screen
        // readers. The name is not put in the shortcut column (after a tab):
        // Qt's menus leave a gap there as wide as the longest name.
        QString text = tr("Port %1").arg(port.number);
        if (!port.name.empty()) {
            QString name = QString::fromStdString(port.name);
            text = tr("Port %1 \u2013 %2", "the port and the device it reaches").arg(port.number)
                       .arg(name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
        SetPortText(item, text);
        const QString tip = QString::fromStdString(DescribeMenuPort(port));
        item->setToolTip(tip);
        item->setStatusTip(tip);
    }
    MarkPortMnemonics();
}

}  // namespace cv
