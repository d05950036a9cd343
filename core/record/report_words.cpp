#include "core/record/report_words.h"

#include <algorithm>

#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/record/send_entry.h"
#include "core/timers/civil_time.h"
#include "core/timers/clock_text.h"
#include "core/timers/sentence.h"
#include "core/timers/utf8_text.h"

namespace cv {

ReportStamp ReportStampOf(std::string_view stamp) {
    ReportStamp taken;
    if (!IsTimeStamp(stamp)) return taken;
    const auto digits = [&](std::size_t at) { return (stamp[at] - '0') * 10 + (stamp[at + 1] - '0'); };
    taken.date = stamp.substr(0, 10);
    taken.minuteOfDay = digits(11) * 60 + digits(14);
    taken.offset = stamp.substr(20);
    taken.moment = MomentOfTimeStamp(stamp).value_or(0);
    return taken;
}

std::string StampClock(std::string_view stamp) { return FormatClockTime(ReportStampOf(stamp).minuteOfDay); }

std::string StampDay(std::string_view stamp) {
    const std::optional<CivilDate> date = ParseIsoDate(stamp.substr(0, 10));
    return date ? DayLabel(*date) : std::string(stamp.substr(0, 10));
}

std::string StampDayAndClock(std::string_view stamp) {
    return FillPlaceholders(Tr("Report", "%1 %2"), {StampDay(stamp), StampClock(stamp)});
}

std::vector<std::string> TimelineHeadings() {
    return {Tr("CtlTable", "When"), Tr("Report", "UTC offset"), Tr("CtlTable", "How"), Tr("CtlTable", "File"),
            Tr("CtlTable", "Outcome")};
}

std::vector<std::string> TimerHeadings(bool withSent) {
    std::vector<std::string> headings{Tr("CtlTable", "Timer"),  Tr("CtlTable", "Name"),   Tr("CtlTable", "Start"),
                                      Tr("CtlTable", "Repeat"), Tr("CtlTable", "Snooze"), Tr("CtlTable", "Priority")};
    if (withSent) headings.push_back(Tr("CtlTable", "Sent"));
    return headings;
}

std::vector<std::string> TimerCells(int index, const HeldTimer& timer) {
    std::vector<std::string> cells{std::to_string(index + 1)};
    for (TimerField field : {TimerField::Name, TimerField::StartTime, TimerField::RepeatInterval,
                             TimerField::SnoozeTime, TimerField::Priority})
        cells.push_back(Utf8FromLatin1(HeldFieldText(timer, field)));
    return cells;
}

std::string NotKnownParts(const std::array<HeldTimer, kTimerCount>& timers) {
    std::vector<std::string> items;
    int runFrom = -1;
    const auto closeRun = [&](int end) {
        if (runFrom >= 0) items.push_back(TimerRange(runFrom + 1, end));
        runFrom = -1;
    };
    for (int index = 0; index < kTimerCount; ++index) {
        const HeldTimer& timer = timers[static_cast<std::size_t>(index)];
        if (!timer.settings.known && !timer.name.known) {
            if (runFrom < 0) runFrom = index;
            continue;
        }
        closeRun(index);
        const std::string number = std::to_string(index + 1);
        if (!timer.settings.known) items.push_back(FillPlaceholders(Tr("SendOutcome", "Timer %1's settings"), {number}));
        if (!timer.name.known) items.push_back(FillPlaceholders(Tr("SendOutcome", "Timer %1's name"), {number}));
    }
    closeRun(kTimerCount);
    return items.empty() ? "" : JoinList(items);
}

std::string HeldSources(const std::array<HeldTimer, kTimerCount>& timers) {
    std::vector<std::string> whens;
    std::string text;
    for (const HeldTimer& timer : timers) {
        for (const HeldPart* part : {&timer.settings, &timer.name}) {
            if (!part->known || std::find(whens.begin(), whens.end(), part->when) != whens.end()) continue;
            whens.push_back(part->when);
            const std::string item =
                FillPlaceholders(Tr("SentToUnit", "%1, %2"), {DescribeSource(part->source), StampDayAndClock(part->when)});
            text = text.empty() ? item : FillPlaceholders(Tr("Report", "%1; %2"), {text, item});
        }
    }
    return text;
}

std::string DescribeHow(const SendEntry& entry) {
    const SendOrigin& origin = entry.origin;
    if (!origin.ByPlan())
        return entry.user.empty() ? Tr("SentToUnit", "by hand")
                                  : FillPlaceholders(Tr("Report", "by hand, %1"), {entry.user});
    if (origin.dayPart.empty()) return Tr("SentToUnit", "day-part plan, not run");
    const bool sameDay = ReportStampOf(origin.due).date == ReportStampOf(entry.when).date;
    const std::string due = sameDay ? StampClock(origin.due) : StampDayAndClock(origin.due);
    if (origin.late.empty())
        return FillPlaceholders(Tr("Report", "day-part plan: %1, due %2, on time"), {origin.dayPart, due});
    return FillPlaceholders(Tr("SentToUnit", "day-part plan: %1, due %2, %3 late"), {origin.dayPart, due, origin.late});
}

std::string DescribeUnit(const UnitChoice& unit, const std::vector<SendEntry>& entries) {
    if (!unit.device.empty()) return unit.device;
    const std::string port = std::to_string(unit.portNumber);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->portNumber == unit.portNumber && !entry->device.empty())
            return FillPlaceholders(Tr("Report", "port %1 (%2)"), {port, entry->device});
    }
    return FillPlaceholders(Tr("Report", "port %1"), {port});
}

}  // namespace cv
