#include "gui/windows/day_parts_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <ctime>

#include "core/record/send_log.h"
#include "core/schedule/day_part_decision.h"
#include "core/schedule/plan_edit.h"
#include "core/schedule/plan_week.h"
#include "core/settings/port_setting.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/clock_text.h"
#include "gui/prompts.h"

namespace cv {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string Utf8(const QString& text) { return text.toStdString(); }

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DayPartsWindow::DayPartsWindow(Prompts& prompts, std::string folder, QWidget* parent)
    : SecondaryWindow(tr("Day Parts"), QStringLiteral("dayParts"), parent),
      prompts(prompts),
      folder(std::move(folder)),
      planPath(DayPartPlanPathIn(this->folder)) {
    auto* layout = new QVBoxLayout(this);
    where = new QLabel(this);
    where->setObjectName(QStringLiteral("planPath"));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(where);
    problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("planProblem"));
    problem->setWordWrap(true);
    problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(problem);

    auto* partsLabel = new QLabel(tr("&Parts of the day:"), this);
    layout->addWidget(partsLabel);
    parts = new QTableWidget(0, kColumnCount, this);
    parts->setObjectName(QStringLiteral("dayPartsTable"));
    parts->setHorizontalHeaderLabels({tr("Part"), tr("Start"), tr("Days or dates"), tr("Timer file"), tr("On the unit now")});
    parts->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    parts->horizontalHeader()->setStretchLastSection(true);
    parts->verticalHeader()->setVisible(false);
    parts->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // Room for six parts before the table scrolls.
    parts->setMinimumHeight(parts->horizontalHeader()->sizeHint().height() + 6 * (fontMetrics().height() + 8) + 4);
    parts->setSelectionBehavior(QAbstractItemView::SelectRows);
    parts->setSelectionMode(QAbstractItemView::SingleSelection);
    parts->setTabKeyNavigation(false);
    parts->setAccessibleName(tr("Parts of the day"));
    partsLabel->setBuddy(parts);
    connect(parts, &QTableWidget::itemChanged, this, [this] {
        if (!filling) MarkModified();
    });
    layout->addWidget(parts, 1);

    auto* rowButtons = new QHBoxLayout;
    QPushButton* add = Button(tr("&Add Part"), "addPart", this);
    QPushButton* remove = Button(tr("&Remove Part"), "removePart", this);
    QPushButton* choose = Button(tr("Choose Timer &File..."), "chooseSheet", this);
    connect(add, &QPushButton::clicked, this, &DayPartsWindow::AddPart);
    connect(remove, &QPushButton::clicked, this, &DayPartsWindow::RemovePart);
    connect(choose, &QPushButton::clicked, this, &DayPartsWindow::ChooseSheet);
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addWidget(choose);
    rowButtons->addStretch(1);
    layout->addLayout(rowButtons);

    auto* settings = new QFormLayout;
    closed = new QLineEdit(this);
    closed->setObjectName(QStringLiteral("closedDates"));
    closed->setPlaceholderText(tr("2026-12-25, 2027-01-01"));
    settings->addRow(tr("&Closed on (no part starts):"), closed);
    port = new QLineEdit(this);
    port->setObjectName(QStringLiteral("planPort"));
    port->setPlaceholderText(tr("the port chosen in CV Timer"));
    settings->addRow(tr("The unit's Comm P&ort:"), port);
    connect(closed, &QLineEdit::textEdited, this, [this] { MarkModified(); });
    connect(port, &QLineEdit::textEdited, this, [this] { MarkModified(); });
    layout->addLayout(settings);

    auto* weekLabel = new QLabel(tr("The &week as the saved plan makes it:"), this);
    layout->addWidget(weekLabel);
    week = new QListWidget(this);
    week->setObjectName(QStringLiteral("planWeek"));
    week->setAccessibleName(tr("The week"));
    weekLabel->setBuddy(week);
    layout->addWidget(week, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    save = Button(tr("&Save Plan"), "savePlan", this);
    connect(save, &QPushButton::clicked, this, &DayPartsWindow::Save);
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, &DayPartsWindow::Save);
    QPushButton* closeButton = Button(tr("Close"), "closeDayParts", this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(save);
    bottom->addWidget(closeButton);
    layout->addLayout(bottom);

    Reload();
}

QSize DayPartsWindow::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 125, fontMetrics().height() * 38};
}

void DayPartsWindow::SetRow(int row, const DayPartTexts& texts, const QString& oldName) {
    const QString cells[] = {Text(texts.name), Text(texts.start), Text(texts.daysOrDates), Text(texts.sheet)};
    for (int column = kName; column <= kSheet; ++column) parts->setItem(row, column, new QTableWidgetItem(cells[column]));
    parts->item(row, kName)->setData(Qt::UserRole, oldName);
    auto* onUnit = new QTableWidgetItem;
    onUnit->setFlags(onUnit->flags() & ~Qt::ItemIsEditable);
    parts->setItem(row, kOnUnit, onUnit);
}

void DayPartsWindow::Reload() {
    where->setText(tr("The plan: %1").arg(QDir::toNativeSeparators(Text(planPath))));
    const DayPartPlanReading reading = ReadDayPartPlan(planPath);
    ShowProblem(reading.status == DayPartPlanReading::Status::Refused
                    ? tr("The plan on disk cannot be used as it is: %1 Saving here replaces it.").arg(Text(reading.problem))
                    : QString());
    ShowPlan(reading.plan);
    if (reading.status == DayPartPlanReading::Status::Missing)
        week->addItem(tr("There is no plan yet: add a part for each part of the day, then save."));
    modified = false;
}

void DayPartsWindow::ShowPlan(const DayPartPlan& plan) {
    filling = true;
    parts->setRowCount(static_cast<int>(plan.parts.size()));
    for (std::size_t i = 0; i < plan.parts.size(); ++i)
        SetRow(static_cast<int>(i), TextsOfDayPart(plan.parts[i]), Text(plan.parts[i].name));
    closed->setText(Text(FormatPlanDates(plan.closed)));
    port->setText(plan.port > 0 ? QString::number(plan.port) : QString());
    ShowOnUnit(plan);
    filling = false;
    ShowWeek(plan);
}

void DayPartsWindow::ShowOnUnit(const DayPartPlan& plan) {
    if (plan.parts.empty()) return;
    const UnitChoice unit{plan.port > 0 ? plan.port : ReadPortNumber(SettingsPathIn(folder)), ""};
    const std::time_t moment = now();
    const SendLogRead record = ReadNewestSendEntries(SendLogPathIn(folder), [&unit, moment](const std::vector<SendEntry>& newest) {
        return RecordTellsEnough(newest, unit, moment);
    });
    const UnitHoldings holdings = DeriveUnitHoldings(record.content.entries, unit);
    for (std::size_t i = 0; i < plan.parts.size(); ++i) {
        const TimerFileContent sheet = ReadTimerFile(SheetPathOf(planPath, plan.parts[i]));
        const QString said = !sheet.ok                                  ? tr("its timer file cannot be read")
                             : UnitHoldsTimers(holdings, sheet.records) ? tr("on the unit")
                                                                        : tr("not on the unit");
        parts->item(static_cast<int>(i), kOnUnit)->setText(said);
    }
}

void DayPartsWindow::ShowWeek(const DayPartPlan& plan) {
    week->clear();
    if (plan.parts.empty()) return;
    const SystemZone zone;
    for (const PlanDay& day : PlanWeek(plan, WallClockAt(now(), zone).date, zone)) {
        QString heading = Text(DayLabel(day.date));
        if (day.closed) heading = tr("%1: closed, no part starts").arg(heading);
        else if (day.datedOnly) heading = tr("%1: only its dated parts start").arg(heading);
        if (day.ClockChanges())
            heading = tr("%1 (the clocks change from %2 to %3)")
                          .arg(heading, Text(OffsetText(day.offsetAtStart)), Text(OffsetText(day.offsetAtEnd)));
        auto* item = new QListWidgetItem(heading, week);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        for (const PartStart& start : day.starts) {
            const WallClock due = WallClockAt(start.at, zone);
            week->addItem(tr("    %1  %2").arg(Text(FormatClockTime(due.minuteOfDay)),
                                               Text(plan.parts[static_cast<std::size_t>(start.part)].name)));
        }
    }
}

void DayPartsWindow::ShowProblem(const QString& text) {
    problem->setText(text);
    problem->setVisible(!text.isEmpty());
}

void DayPartsWindow::AddPart() {
    const int row = parts->rowCount();
    filling = true;
    parts->insertRow(row);
    SetRow(row, {Utf8(tr("New part")), "12:00 PM", "Every day", ""}, QString());
    filling = false;
    MarkModified();
    parts->setCurrentCell(row, kName);
    parts->editItem(parts->item(row, kName));
}

void DayPartsWindow::RemovePart() {
    const int row = parts->currentRow();
    if (row < 0) return;
    parts->removeRow(row);
    MarkModified();
}

void DayPartsWindow::ChooseSheet() {
    const int row = parts->currentRow();
    if (row < 0) {
        ShowProblem(tr("Choose a part in the table first, then its timer file."));
        return;
    }
    FileDialogRequest request{tr("Timer File for %1").arg(parts->item(row, kName)->text()), tr("CV Timer (*.csv)"),
                              QStringLiteral("csv"), QFileInfo(Text(planPath)).absolutePath()};
    const QString chosen = prompts.AskOpenPath(this, request);
    if (chosen.isEmpty()) return;
    parts->item(row, kSheet)->setText(Text(SheetNameFor(planPath, Utf8(chosen))));
}

bool DayPartsWindow::Save() {
    DayPartPlan plan;
    std::vector<std::string> oldNames;
    std::string why;
    for (int row = 0; row < parts->rowCount(); ++row) {
        const DayPartTexts texts{Utf8(parts->item(row, kName)->text()), Utf8(parts->item(row, kStart)->text()),
                                 Utf8(parts->item(row, kDays)->text()), Utf8(parts->item(row, kSheet)->text())};
        const std::optional<DayPart> part = DayPartFromTexts(texts, row + 1, why);
        if (!part) break;
        plan.parts.push_back(*part);
        oldNames.push_back(Utf8(parts->item(row, kName)->data(Qt::UserRole).toString()));
    }
    if (why.empty()) PlanSettingsFromTexts(Utf8(closed->text()), Utf8(port->text()), plan, why);
    if (why.empty()) why = WriteDayPartPlan(planPath, plan, oldNames);
    if (!why.empty()) {
        ShowProblem(Text(why));
        prompts.ShowMessage(this, {tr("Day Parts"), tr("The plan was not saved"), Text(why), PromptMessage::Icon::Warning});
        return false;
    }
    Reload();
    emit saved();
    return true;
}

void DayPartsWindow::closeEvent(QCloseEvent* event) {
    if (modified) {
        switch (prompts.AskSaveChanges(this, {tr("Day Parts"), tr("Save changes to the day-part plan?"),
                                              tr("Your changes to the plan are lost if you don't save them."),
                                              PromptMessage::Icon::Warning})) {
            case SaveChangesAnswer::Save:
                if (!Save()) {
                    event->ignore();
                    return;
                }
                break;
            case SaveChangesAnswer::Discard: Reload(); break;
            case SaveChangesAnswer::Cancel: event->ignore(); return;
        }
    }
    SecondaryWindow::closeEvent(event);
}

}  // namespace cv
