// cvtimerctl dayparts: the day-part plan shown, and run.

#include "tools/ctl_dayparts.h"

#include <cstdio>
#include <ctime>
#include <string_view>

#include "core/language/tr.h"
#include "core/schedule/day_part_plan.h"
#include "core/schedule/plan_week.h"
#include "core/settings/folder_paths.h"
#include "core/timers/clock_text.h"
#include "core/timers/sentence.h"
#include "tools/ctl_commands.h"

namespace cv {

std::string DayPartsUsage() {
    return Tr("CtlDayParts",
           "Usage: cvtimerctl dayparts show [--plan FILE] [--at \"YYYY-MM-DD HH:MM\"] [--week]\n"
           "       cvtimerctl dayparts run [--plan FILE] [--port N | --device PATH]\n\n"
           "The day-part plan, CVTimerDayParts.ini in the current folder, says which\n"
           "timer file the unit should hold at each part of the day: a [section] per\n"
           "part with Start=, Days= or Dates=, and Sheet=, and a [Plan] section with\n"
           "the Closed= dates and the unit's Port=. The user guide's \"Day parts\" has\n"
           "the whole of it.\n\n"
           "show  prints the parts, the part due at a moment (now by default) with its\n"
           "      timer file and the next change, and with --week the seven days from\n"
           "      that date with every change, the dated parts, the closed dates and\n"
           "      the days the clocks change.\n"
           "run   sends the due part's timers to the unit, printing each message as\n"
           "      cvtimerctl send does, unless by the record of sends the unit holds\n"
           "      them already, or a send by hand since the part started holds. Run\n"
           "      twice, it sends at most once; run every minute, once per change. A\n"
           "      port in use is waited for up to 60 seconds.\n\n"
           "Exit status: 0 shown, or the unit holds the due part's timers (sent now,\n"
           "held already, or held by a send by hand); 1 the send failed or a timer\n"
           "file cannot be read; 2 wrong usage or a plan that is refused; 3 there is\n"
           "no plan, or no part is due yet.\n\n"
           "Options:\n"
           "  --plan FILE    the plan to use instead of CVTimerDayParts.ini here\n"
           "  --at MOMENT    show the plan at \"YYYY-MM-DD HH:MM\" on the PC's clock\n"
           "  --week         show the seven days from that date\n"
           "  --port N       send to Comm Port N (1 to 65535), not the plan's port\n"
           "  --device PATH  send to this serial device (on Windows a port name such\n"
           "                 as COM7 will do)\n"
           "  --help         show this text\n");
}

namespace {

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, bool run, DayPartsOptions& options) {
    const std::string usage = DayPartsUsage();
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (!arguments.IsOption())
            return UsageError("dayparts", FillPlaceholders(Tr("CtlUsage", "unexpected argument '%1'"), {argument}),
                              usage.c_str());
        if (IsHelpOption(argument)) {
            std::fputs(usage.c_str(), stdout);
            return 0;
        }
        if (argument == "--week" && !run) {
            options.week = true;
            continue;
        }
        if (argument == "--plan" || (argument == "--at" && !run)) {
            const std::optional<std::string_view> value = arguments.TakeValue();
            if (!value || value->empty())
                return UsageError("dayparts", FillPlaceholders(Tr("CtlUsage", "%1 needs a value"), {argument}),
                                  usage.c_str());
            (argument == "--plan" ? options.planPath : options.at.emplace()) = std::string(*value);
            continue;
        }
        const int taken = run ? TakeUnitOption(arguments, argument, "dayparts", usage.c_str(), options.unit) : -2;
        if (taken == -2)
            return UsageError("dayparts", FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}),
                              usage.c_str());
        if (taken >= 0) return taken;
    }
    if (options.planPath.empty()) options.planPath = DayPartPlanPathIn(StartFolder());
    return -1;
}

// "2026-12-10 14:30" as a moment of the zone; nothing when it is not one.
std::optional<std::time_t> ParseMoment(const std::string& text, const LocalZone& zone) {
    std::string_view rest = text;
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    if (rest.size() != 16 || rest[10] != ' ' || rest[13] != ':') return std::nullopt;
    const std::optional<CivilDate> date = ParseIsoDate(rest.substr(0, 10));
    const auto digit = [&](std::size_t i) { return rest[i] >= '0' && rest[i] <= '9' ? rest[i] - '0' : -100; };
    const int hour = digit(11) * 10 + digit(12), minute = digit(14) * 10 + digit(15);
    if (!date || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    return MomentOfWallClock(*date, hour * 60 + minute, zone);
}

std::string PartName(const DayPartPlan& plan, const PartStart& start) {
    return plan.parts[static_cast<std::size_t>(start.part)].name;
}

// "Late at 10:00 PM, Fri 2026-12-11".
std::string NextChange(const DayPartPlan& plan, const PartStart& next, const LocalZone& zone) {
    const WallClock clock = WallClockAt(next.at, zone);
    return FillPlaceholders(Tr("CtlDayParts", "Next change: %1 at %2, %3."),
                            {PartName(plan, next), FormatClockTime(clock.minuteOfDay), DayLabel(clock.date)});
}

void PrintParts(const DayPartPlan& plan, const std::string& path) {
    std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "Plan: %1"), {TerminalText(path)}).c_str());
    std::vector<std::vector<std::string>> rows{{Tr("CtlDayParts", "Part"), Tr("CtlDayParts", "Start"),
                                                Tr("CtlDayParts", "Days or dates"), Tr("CtlDayParts", "Timer file")}};
    for (const DayPart& part : plan.parts) {
        rows.push_back({TerminalText(part.name), FormatClockTime(part.start),
                        part.days ? FormatPlanDays(part.days) : FormatPlanDates(part.dates), TerminalText(part.sheet)});
    }
    PrintTable(rows, {false, true, false, false});
    if (!plan.closed.empty())
        std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "Closed: %1"), {FormatPlanDates(plan.closed)}).c_str());
    if (plan.port > 0)
        std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "Port: %1"), {std::to_string(plan.port)}).c_str());
}

void PrintWeek(const DayPartPlan& plan, const CivilDate& first, const LocalZone& zone) {
    std::printf("\n");
    for (const PlanDay& day : PlanWeek(plan, first, zone)) {
        std::string note;
        if (day.closed) note = Tr("CtlDayParts", "closed: no part starts, the unit keeps what it holds");
        else if (day.datedOnly) note = Tr("CtlDayParts", "only its dated parts start");
        if (day.ClockChanges()) {
            const std::string change = FillPlaceholders(Tr("CtlDayParts", "the clocks change from %1 to %2"),
                                                        {OffsetText(day.offsetAtStart), OffsetText(day.offsetAtEnd)});
            note = note.empty() ? change : FillPlaceholders(Tr("CtlDayParts", "%1; %2"), {note, change});
        }
        const std::string label = DayLabel(day.date);
        if (note.empty()) std::printf("%s\n", label.c_str());
        else std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "%1  (%2)"), {label, note}).c_str());
        std::vector<std::vector<std::string>> rows;
        for (const PartStart& start : day.starts) {
            const DayPart& part = plan.parts[static_cast<std::size_t>(start.part)];
            const WallClock due = WallClockAt(start.at, zone);
            std::string name = TerminalText(part.name);
            if (due.minuteOfDay != part.start || due.date != day.date)
                name = FillPlaceholders(Tr("CtlDayParts", "%1 (set for %2, in the hour the clocks skip)"),
                                        {name, FormatClockTime(part.start)});
            rows.push_back({" ", FormatClockTime(due.minuteOfDay), name});
        }
        PrintTable(rows, {false, true, false});
    }
}

}  // namespace

int RunDayPartsShow(const DayPartsOptions& options) {
    const DayPartPlanReading reading = ReadDayPartPlan(options.planPath);
    if (reading.status == DayPartPlanReading::Status::Missing) {
        std::fprintf(stderr, "%s\n",
                     FillPlaceholders(Tr("CtlDayParts", "cvtimerctl: there is no day-part plan: %1 does not exist."),
                                      {options.planPath})
                         .c_str());
        return 3;
    }
    if (reading.status == DayPartPlanReading::Status::Refused) {
        std::fprintf(stderr, "%s\n", reading.problem.c_str());
        return 2;
    }
    const SystemZone zone;
    std::time_t now = std::time(nullptr);
    if (options.at) {
        const std::optional<std::time_t> at = ParseMoment(*options.at, zone);
        if (!at)
            return UsageError("dayparts",
                              FillPlaceholders(Tr("CtlUsage", "--at takes a moment as \"YYYY-MM-DD HH:MM\", not '%1'"),
                                               {*options.at}),
                              DayPartsUsage().c_str());
        now = *at;
    }
    const DayPartPlan& plan = reading.plan;
    PrintParts(plan, options.planPath);
    const WallClock clock = WallClockAt(now, zone);
    const DuePart due = FindDuePart(plan, now, zone);
    std::printf("\n");
    const std::string moment = FillPlaceholders(Tr("CtlDayParts", "%1 %2"), {DayLabel(clock.date), FormatClockTime(clock.minuteOfDay)});
    if (due.due) {
        const DayPart& part = plan.parts[static_cast<std::size_t>(due.due->part)];
        const WallClock since = WallClockAt(due.due->at, zone);
        std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "At %1: %2 is due, since %3 (%4)."),
                                             {moment, TerminalText(part.name),
                                              FillPlaceholders(Tr("CtlDayParts", "%1 %2"), {DayLabel(since.date), FormatClockTime(since.minuteOfDay)}),
                                              TerminalText(SheetPathOf(options.planPath, part))})
                                .c_str());
    } else {
        std::printf("%s\n", FillPlaceholders(Tr("CtlDayParts", "At %1: no part is due; none started in the eight days before."), {moment}).c_str());
    }
    if (due.next) std::printf("%s\n", NextChange(plan, *due.next, zone).c_str());
    if (options.week) PrintWeek(plan, clock.date, zone);
    return 0;
}

int RunDayParts(int argc, char** argv) {
    const std::string usage = DayPartsUsage();
    if (argc < 2) return UsageError("dayparts", Tr("CtlUsage", "show or run?"), usage.c_str());
    const std::string_view what = argv[1];
    if (what == "--help" || what == "-h") {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    if (what != "show" && what != "run")
        return UsageError("dayparts", FillPlaceholders(Tr("CtlUsage", "unknown command '%1'"), {what}), usage.c_str());
    DayPartsOptions options;
    if (const int exitCode = ParseOptions(argc - 1, argv + 1, what == "run", options); exitCode >= 0) return exitCode;
    return what == "run" ? RunDayPartsRun(options) : RunDayPartsShow(options);
}

}  // namespace cv
