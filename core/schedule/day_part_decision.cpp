#include "core/schedule/day_part_decision.h"

#include <algorithm>
#include <array>

#include "core/timers/sentence.h"

namespace cv {

namespace {

constexpr int kLookAheadDays = 366;

bool Holds(const std::vector<CivilDate>& dates, const CivilDate& date) {
    return std::find(dates.begin(), dates.end(), date) != dates.end();
}

}  // namespace

std::vector<PartStart> StartsOn(const DayPartPlan& plan, const CivilDate& date, const LocalZone& zone) {
    std::vector<PartStart> starts;
    if (Holds(plan.closed, date)) return starts;
    const bool dated = std::any_of(plan.parts.begin(), plan.parts.end(),
                                   [&](const DayPart& part) { return Holds(part.dates, date); });
    const WeekdaySet weekday = WeekdayBit(WeekdayOf(date));
    for (std::size_t index = 0; index < plan.parts.size(); ++index) {
        const DayPart& part = plan.parts[index];
        const bool starts_today = dated ? Holds(part.dates, date) : part.dates.empty() && (part.days & weekday);
        if (starts_today) starts.push_back({static_cast<int>(index), date, MomentOfWallClock(date, part.start, zone)});
    }
    const auto wallMinute = [&](const PartStart& start) { return plan.parts[static_cast<std::size_t>(start.part)].start; };
    std::sort(starts.begin(), starts.end(), [&](const PartStart& a, const PartStart& b) {
        return a.at != b.at ? a.at < b.at : wallMinute(a) < wallMinute(b);
    });
    // Of starts that the summer-time gap brings to one moment, the later on the wall clock holds.
    std::vector<PartStart> kept;
    for (const PartStart& start : starts) {
        if (!kept.empty() && kept.back().at == start.at) kept.back() = start;
        else kept.push_back(start);
    }
    return kept;
}

std::vector<PartStart> StartsBetween(const DayPartPlan& plan, std::time_t from, std::time_t to, const LocalZone& zone) {
    std::vector<PartStart> between;
    if (to <= from) return between;
    const CivilDate last = AddDays(WallClockAt(to, zone).date, 1);
    for (CivilDate date = AddDays(WallClockAt(from, zone).date, -1); date <= last; date = AddDays(date, 1)) {
        for (const PartStart& start : StartsOn(plan, date, zone)) {
            if (start.at > from && start.at <= to) between.push_back(start);
        }
    }
    return between;
}

DuePart FindDuePart(const DayPartPlan& plan, std::time_t now, const LocalZone& zone) {
    DuePart found;
    const CivilDate today = WallClockAt(now, zone).date;
    // Tomorrow's wall-clock date too: near a change of the UTC offset a start
    // of the next day can lie before `now` on no clock but the zone's.
    for (int back = -1; back <= kDayPartLookBackDays && !found.due; ++back) {
        for (const PartStart& start : StartsOn(plan, AddDays(today, -back), zone)) {
            if (start.at <= now && (!found.due || start.at > found.due->at)) found.due = start;
        }
    }
    for (int ahead = -1; ahead <= kLookAheadDays && !found.next; ++ahead) {
        for (const PartStart& start : StartsOn(plan, AddDays(today, ahead), zone)) {
            if (start.at > now && (!found.next || start.at < found.next->at)) found.next = start;
        }
    }
    return found;
}

bool UnitHoldsTimers(const UnitHoldings& holdings, const TimerRecords& timers) {
    for (std::size_t index = 0; index < timers.size(); ++index) {
        for (const FieldMatch match : CompareWithSheet(holdings.timers[index], timers[index])) {
            if (match != FieldMatch::Same) return false;
        }
    }
    return true;
}

bool RecordTellsEnough(const std::vector<SendEntry>& newest, const UnitChoice& unit, std::time_t dueAt) {
    std::array<bool, 2 * kTimerCount> reached{};
    bool sinceTheStart = false, lastPlanRun = false;
    const std::time_t lookBack = dueAt - static_cast<std::time_t>(kDayPartLookBackDays) * 86400;
    for (const SendEntry& entry : newest) {
        const std::optional<std::time_t> when = MomentOfTimeStamp(entry.when);
        sinceTheStart = sinceTheStart || (when && *when < dueAt);
        lastPlanRun = lastPlanRun || (when && *when < lookBack);
        if (!SendReached(entry, unit)) continue;
        lastPlanRun = lastPlanRun || (entry.origin.ByPlan() && !entry.origin.due.empty());
        for (std::size_t index = 0; index < entry.timers.size(); ++index) {
            reached[2 * index] = reached[2 * index] || entry.timers[index].settings != MessageFate::NotSent;
            reached[2 * index + 1] = reached[2 * index + 1] || entry.timers[index].name != MessageFate::NotSent;
        }
    }
    return sinceTheStart && lastPlanRun && std::all_of(reached.begin(), reached.end(), [](bool part) { return part; });
}

PlanDecision DecideDayPartSend(const DayPartPlan& plan, const PartStart& due, const std::vector<SendEntry>& record,
                               const UnitChoice& unit, const TimerRecords& sheet, const LocalZone& zone) {
    PlanDecision decision;
    std::optional<std::time_t> lastPlanDue;
    for (const SendEntry& entry : record) {
        if (!SendReached(entry, unit)) continue;
        const std::optional<std::time_t> when = MomentOfTimeStamp(entry.when);
        if (entry.origin.ByPlan()) {
            if (const std::optional<std::time_t> dueAt = MomentOfTimeStamp(entry.origin.due))
                lastPlanDue = std::max(lastPlanDue.value_or(*dueAt), *dueAt);
            continue;
        }
        const bool anySent = std::any_of(entry.timers.begin(), entry.timers.end(),
                                         [](const TimerInSend& timer) { return timer.AnySent(); });
        if (anySent && when && *when >= due.at) decision.byHandWhen = entry.when;
    }
    const std::time_t lookBack = due.at - static_cast<std::time_t>(kDayPartLookBackDays) * 86400;
    if (lastPlanDue && *lastPlanDue < due.at)
        decision.missed = StartsBetween(plan, std::max(*lastPlanDue, lookBack), due.at - 1, zone);

    if (UnitHoldsTimers(DeriveUnitHoldings(record, unit), sheet)) decision.verdict = PlanVerdict::Held;
    else if (!decision.byHandWhen.empty()) decision.verdict = PlanVerdict::HeldByHand;
    else decision.verdict = PlanVerdict::Send;
    return decision;
}

std::string DueStamp(const PartStart& start, const LocalZone& zone) {
    const WallClock clock = WallClockAt(start.at, zone);
    std::tm local{};
    local.tm_year = clock.date.year - 1900;
    local.tm_mon = clock.date.month - 1;
    local.tm_mday = clock.date.day;
    local.tm_hour = clock.minuteOfDay / 60;
    local.tm_min = clock.minuteOfDay % 60;
    local.tm_sec = clock.second;
    return FormatTimeStamp(local, clock.offset);
}

std::string MissedText(const DayPartPlan& plan, const PartStart& start, const LocalZone& zone) {
    // Data for the record, in English as the record keeps it.
    return plan.parts[static_cast<std::size_t>(start.part)].name + ", due " + DueStamp(start, zone);
}

}  // namespace cv
