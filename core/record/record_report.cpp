#include "core/record/record_report.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/device/port_map.h"
#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/record/report_words.h"
#include "core/record/send_log.h"
#include "core/settings/port_setting.h"
#include "core/timers/clock_text.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

struct Row {
    std::time_t moment = 0;
    std::vector<std::string> cells;
};

// A sheet sent during the day, with each timer's parts as first acknowledged that day.
struct SheetOfDay {
    SendSource source;
    std::string firstAt;
    std::array<HeldTimer, kTimerCount> timers;
};

bool AllAcknowledged(const SendEntry& entry) {
    return std::all_of(entry.timers.begin(), entry.timers.end(), [](const TimerInSend& timer) {
        return timer.settings == MessageFate::Acknowledged && timer.name == MessageFate::Acknowledged;
    });
}

bool NothingSent(const SendEntry& entry) {
    return std::none_of(entry.timers.begin(), entry.timers.end(), [](const TimerInSend& timer) { return timer.AnySent(); });
}

// The timer file cell: none for a plan that never got as far as a sheet.
std::string FileCell(const SendEntry& entry) {
    if (entry.origin.ByPlan() && entry.source.filePath.empty()) return "";
    return DescribeSource(entry.source);
}

void TakeAcknowledged(const SendEntry& entry, SheetOfDay& sheet) {
    for (std::size_t index = 0; index < kTimerCount; ++index) {
        const TimerInSend& sent = entry.timers[index];
        HeldTimer& held = sheet.timers[index];
        for (auto [fate, part] : {std::pair{sent.settings, &held.settings}, std::pair{sent.name, &held.name}}) {
            if (fate == MessageFate::NotSent || part->known) continue;
            part->when = entry.when;  // reached, whether taken or not
            if (fate != MessageFate::Acknowledged) continue;
            part->known = true;
            part->values = sent.values;
            part->source = entry.source;
        }
    }
}

bool AnyAcknowledged(const SendEntry& entry) {
    return std::any_of(entry.timers.begin(), entry.timers.end(), [](const TimerInSend& timer) {
        return timer.settings == MessageFate::Acknowledged || timer.name == MessageFate::Acknowledged;
    });
}

// The timers as a sheet's table. For a sheet sent that day (not withSent), a
// part no send of it reached is "not sent": the unit kept what it held there.
ReportTable TimersTable(const std::array<HeldTimer, kTimerCount>& timers, bool withSent) {
    ReportTable table{TimerHeadings(withSent), {}};
    for (std::size_t index = 0; index < kTimerCount; ++index) {
        const HeldTimer& timer = timers[index];
        std::vector<std::string> row = TimerCells(static_cast<int>(index), timer);
        if (!withSent) {
            const std::string notSent = Tr("Report", "not sent");
            if (timer.name.when.empty()) row[1] = notSent;
            if (timer.settings.when.empty()) std::fill(row.begin() + 2, row.end(), notSent);
        }
        if (withSent) row.push_back(DescribeWhenSent(timer));
        table.rows.push_back(std::move(row));
    }
    return table;
}

class DayLayout {
public:
    DayLayout(const std::vector<const SendEntry*>& mine, const std::string& recordStart, const UnitChoice& unit)
        : mine_(mine), recordStart_(recordStart), unit_(unit) {}

    ReportDay Lay(const CivilDate& date);

private:
    void StartOfDay();
    void Entry(std::size_t at);
    void Missed(const SendEntry& entry);
    void AddRow(std::string_view when, std::vector<std::string> rest) {
        const ReportStamp stamp = ReportStampOf(when);
        std::vector<std::string> cells{FormatClockTime(stamp.minuteOfDay), stamp.offset};
        cells.insert(cells.end(), rest.begin(), rest.end());
        rows_.push_back({stamp.moment, std::move(cells)});
    }

    const std::vector<const SendEntry*>& mine_;
    const std::string& recordStart_;
    const UnitChoice& unit_;
    std::string date_;
    ReportDay day_;
    std::vector<Row> rows_;
    std::vector<SheetOfDay> sheets_;
};

ReportDay DayLayout::Lay(const CivilDate& date) {
    date_ = FormatIsoDate(date);
    day_ = ReportDay();
    rows_.clear();
    sheets_.clear();
    day_.date = date_;
    day_.heading = DayLabel(date);
    day_.timeline.headings = TimelineHeadings();
    StartOfDay();
    for (std::size_t at = 0; at < mine_.size(); ++at) {
        Missed(*mine_[at]);
        if (ReportStampOf(mine_[at]->when).date == date_) Entry(at);
    }
    std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.moment < b.moment; });
    for (Row& row : rows_) day_.timeline.rows.push_back(std::move(row.cells));
    for (const SheetOfDay& sheet : sheets_)
        day_.sheets.push_back({FillPlaceholders(Tr("Report", "%1, first sent at %2"),
                                                {DescribeSource(sheet.source), StampClock(sheet.firstAt)}),
                               TimersTable(sheet.timers, false)});
    return std::move(day_);
}

void DayLayout::StartOfDay() {
    if (recordStart_.empty()) {
        day_.gaps.push_back(Tr("Report", "The record holds no sends: what the unit held is not known."));
        return;
    }
    const ReportStamp first = ReportStampOf(recordStart_);
    if (first.date > date_) {
        day_.gaps.push_back(FillPlaceholders(Tr("Report", "The record does not go back to this day: its oldest "
                                                          "entry is from %1. What the unit held is not known."),
                                             {StampDay(recordStart_)}));
        return;
    }
    if (first.date == date_) {
        day_.gaps.push_back(FillPlaceholders(
            Tr("Report", "The record begins on this day, at %1: what the unit held before then is not known."),
            {StampClock(recordStart_)}));
        return;
    }
    std::vector<SendEntry> before;
    for (const SendEntry* entry : mine_)
        if (ReportStampOf(entry->when).date < date_) before.push_back(*entry);
    const UnitHoldings holdings = DeriveUnitHoldings(before, unit_);
    day_.heldAtStart = {Tr("Report", "Held when the day began"), TimersTable(holdings.timers, true)};
    const std::string unknown = NotKnownParts(holdings.timers);
    const bool none = std::none_of(holdings.timers.begin(), holdings.timers.end(), [](const HeldTimer& timer) {
        return timer.settings.known || timer.name.known;
    });
    day_.timeline.rows.push_back({"", "", Tr("Report", "held when the day began"), HeldSources(holdings.timers),
                                  none             ? Tr("SentToUnit", "not known")
                                  : unknown.empty() ? ""
                                                    : Tr("Report", "partly not known")});
    if (unknown.empty()) return;
    day_.gaps.push_back(none ? Tr("Report", "When the day began, the record knew none of the timers the unit held.")
                             : FillPlaceholders(Tr("Report", "When the day began, the record did not know what the "
                                                             "unit held of %1."),
                                                {unknown}));
}

void DayLayout::Missed(const SendEntry& entry) {
    for (const std::string& missed : entry.origin.missed) {
        const std::size_t comma = missed.rfind(", due ");
        const std::string due = comma == std::string::npos ? "" : missed.substr(comma + 6);
        if (!IsTimeStamp(due)) {
            if (ReportStampOf(entry.when).date != date_) continue;
            AddRow(entry.when, {DescribeOrigin(entry.origin), "", Tr("Report", "a part was missed")});
            day_.gaps.push_back(FillPlaceholders(Tr("Report", "At %1 the day-part plan noted a part it missed: %2"),
                                                 {StampClock(entry.when), missed}));
            continue;
        }
        if (ReportStampOf(due).date != date_) continue;
        const std::string part = missed.substr(0, comma);
        AddRow(due, {FillPlaceholders(Tr("Report", "day-part plan: %1"), {part}), "",
                     Tr("Report", "missed: the plan did not run while it was due")});
        day_.gaps.push_back(FillPlaceholders(Tr("Report", "%1, due at %2, was missed: the day-part plan did not run "
                                                          "while it was due, so the unit kept what it held. The plan "
                                                          "noted it at %3."),
                                             {part, StampClock(due), StampDayAndClock(entry.when)}));
    }
}

void DayLayout::Entry(std::size_t at) {
    const SendEntry& entry = *mine_[at];
    if (at > 0) {
        const SendEntry& previous = *mine_[at - 1];
        const std::string from = ReportStampOf(previous.when).offset, to = ReportStampOf(entry.when).offset;
        if (from != to) {
            AddRow(entry.when, {"", "", FillPlaceholders(Tr("Report", "UTC offset changed from %1 to %2"), {from, to})});
            day_.gaps.push_back(FillPlaceholders(
                Tr("Report", "Between %1 and %2 the PC's offset from UTC changed from %3 to %4: the clocks changed, "
                             "or the PC's clock was set. Each time here is as the PC's clock showed it then."),
                {StampDayAndClock(previous.when), StampDayAndClock(entry.when), from, to}));
        }
    }
    const std::string how = DescribeHow(entry);
    const std::string file = FileCell(entry);
    AddRow(entry.when, {how, file, DescribeRecordedOutcome(entry.outcome)});
    const std::string record = DescribeRecordedOutcome(entry.outcome);
    const std::string clock = StampClock(entry.when);
    if (NothingSent(entry)) {
        const SendOrigin& origin = entry.origin;
        if (origin.ByPlan() && origin.dayPart.empty())
            day_.gaps.push_back(FillPlaceholders(
                Tr("Report", "At %1 the day-part plan was not run; the unit kept what it held. The record says: %2"),
                {clock, record}));
        else if (origin.ByPlan())
            day_.gaps.push_back(FillPlaceholders(Tr("Report", "At %1 the day-part plan did not switch to %2, due at "
                                                              "%3; the unit kept what it held. The record says: %4"),
                                                 {clock, origin.dayPart, StampClock(origin.due), record}));
        else
            day_.gaps.push_back(FillPlaceholders(Tr("Report", "At %1 a send (%2, %3) reached none of the timers; the "
                                                              "unit kept what it held. The record says: %4"),
                                                 {clock, how, file, record}));
    } else if (!AllAcknowledged(entry)) {
        std::array<HeldTimer, kTimerCount> after;
        for (std::size_t index = 0; index < kTimerCount; ++index) {
            after[index].settings.known = entry.timers[index].settings != MessageFate::Unacknowledged;
            after[index].name.known = entry.timers[index].name != MessageFate::Unacknowledged;
        }
        const std::string unknown = NotKnownParts(after);
        const SendOrigin& origin = entry.origin;
        if (origin.ByPlan() && !unknown.empty())
            day_.gaps.push_back(FillPlaceholders(
                Tr("Report", "At %1 the day-part plan's switch to %2, due at %3, stopped partway. What the unit holds "
                             "of %4 is not known from then on; the timers the send did not get to kept what they "
                             "held. The record says: %5"),
                {clock, origin.dayPart, StampClock(origin.due), unknown, record}));
        else if (origin.ByPlan())
            day_.gaps.push_back(FillPlaceholders(
                Tr("Report", "At %1 the day-part plan's switch to %2, due at %3, stopped partway; the timers the send "
                             "did not get to kept what they held. The record says: %4"),
                {clock, origin.dayPart, StampClock(origin.due), record}));
        else if (!unknown.empty())
            day_.gaps.push_back(FillPlaceholders(
                Tr("Report", "At %1 a send (%2, %3) stopped partway. What the unit holds of %4 is not known from then "
                             "on; the timers the send did not get to kept what they held. The record says: %5"),
                {clock, how, file, unknown, record}));
        else
            day_.gaps.push_back(FillPlaceholders(Tr("Report", "At %1 a send (%2, %3) stopped partway; the timers it did "
                                                              "not get to kept what they held. The record says: %4"),
                                                 {clock, how, file, record}));
    }
    if (!AnyAcknowledged(entry)) return;
    auto sheet = std::find_if(sheets_.begin(), sheets_.end(),
                              [&](const SheetOfDay& each) { return each.source == entry.source; });
    if (sheet == sheets_.end()) sheet = sheets_.insert(sheets_.end(), SheetOfDay{entry.source, entry.when, {}});
    TakeAcknowledged(entry, *sheet);
}

}  // namespace

RecordReport LayOutRecordReport(const SendLogContent& content, const UnitChoice& unit, const CivilDate& from,
                                const CivilDate& to) {
    RecordReport report;
    report.ok = true;
    std::vector<const SendEntry*> mine;
    for (const SendEntry& entry : content.entries)
        if (SendReached(entry, unit)) mine.push_back(&entry);
    const std::string recordStart = content.entries.empty() ? "" : content.entries.front().when;
    if (recordStart.empty())
        report.notes.push_back(Tr("Report", "The record holds no sends."));
    else
        report.notes.push_back(FillPlaceholders(Tr("Report", "The record goes back to %1. It keeps only its newest "
                                                             "entries, dropping the oldest once it passes 1 MiB: "
                                                             "anything before then is not in it."),
                                                {StampDayAndClock(recordStart)}));
    if (content.damaged > 0)
        report.notes.push_back(
            Tr("Report", "%n entries of the record, cut short or damaged, were left out.", nullptr, content.damaged));
    DayLayout layout(mine, recordStart, unit);
    for (CivilDate date = from; date <= to; date = AddDays(date, 1)) report.days.push_back(layout.Lay(date));
    return report;
}

RecordReport MakeRecordReport(const ReportRequest& request) {
    RecordReport report;
    report.recordPath = SendLogPathIn(request.settingsFolder);
    const std::optional<CivilDate> from = ParseIsoDate(request.from), to = ParseIsoDate(request.to);
    if (!from || !to || *to < *from) {
        report.problem = Tr("Report", "The days to report must be given as YYYY-MM-DD, the first not after the last.");
        return report;
    }
    const SendLogRead read = ReadSendLog(report.recordPath);
    if (!read.ok) {
        report.problem = read.problem;
        return report;
    }
    UnitChoice unit{request.port, ""};
    if (!request.device.empty()) unit = {0, DisplayDeviceName(DeviceFromUserName(request.device))};
    else if (request.port <= 0) unit.portNumber = ReadPortNumber(SettingsPathIn(request.settingsFolder));
    const std::string path = report.recordPath;
    report = LayOutRecordReport(read.content, unit, *from, *to);
    report.recordPath = path;
    report.unit = DescribeUnit(unit, read.content.entries);
    return report;
}

}  // namespace cv
