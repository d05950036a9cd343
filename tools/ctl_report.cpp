// cvtimerctl report: what the unit held, day by day, as the record of sends
// tells it.

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "core/language/tr.h"
#include "core/record/record_report.h"
#include "core/settings/folder_paths.h"
#include "core/timers/civil_time.h"
#include "core/timers/sentence.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"

namespace cv {

namespace {

// The most days one report covers: a year, leap day included.
constexpr long long kMostDays = 366;

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlReport",
              "Usage: cvtimerctl report [--date YYYY-MM-DD | --from DATE --to DATE]\n"
              "                         [--port N | --device PATH]\n\n"
              "Prints what the Corvellan unit held, day by day, as the record of sends\n"
              "tells it: CVTimerSends.log beside CVTimerSystem.ini in the current folder.\n"
              "Each day opens with what the unit held when the day began, then every\n"
              "change in time order with its UTC offset, how it came (by hand, by which\n"
              "user, or by the day-part plan, which part, on time or how late) and its\n"
              "timer file, then the ten timers of each timer file sent that day as the\n"
              "unit acknowledged them, and last the gaps in what is known: a send that\n"
              "stopped partway, a planned switch that failed or was missed, a change of\n"
              "the UTC offset, a day the record does not go back to. It reads only\n"
              "the record, never the plan. Without an option it covers today, and the\n"
              "unit on the port chosen in CVTimerSystem.ini.\n\n"
              "Exit status: 0 printed, 1 the record cannot be read, 2 wrong usage.\n\n"
              "Options:\n"
              "  --date DATE    the one day DATE (YYYY-MM-DD)\n"
              "  --from DATE    the first day, with --to the last (at most 366 days)\n"
              "  --to DATE\n"
              "  --port N       the unit on Comm Port N (1 to 65535)\n"
              "  --device PATH  the unit on this device, whichever port reached it (on\n"
              "                 Windows a port name such as COM7 will do)\n"
              "  --help         show this text\n");
}

struct ReportOptions {
    UnitOptions unit;
    std::optional<std::string> date, from, to;
};

int ReportUsageError(const std::string& message) { return UsageError("report", message, Usage().c_str()); }

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, ReportOptions& options) {
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (!arguments.IsOption())
            return ReportUsageError(FillPlaceholders(Tr("CtlUsage", "unexpected argument '%1'"), {argument}));
        if (IsHelpOption(argument)) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        if (argument == "--date" || argument == "--from" || argument == "--to") {
            const std::optional<std::string_view> value = arguments.TakeValue();
            if (!value || value->empty())
                return ReportUsageError(FillPlaceholders(Tr("CtlUsage", "%1 needs a value"), {argument}));
            if (!ParseIsoDate(*value))
                return ReportUsageError(FillPlaceholders(Tr("CtlReport", "%1 takes a date as YYYY-MM-DD, not '%2'"),
                                                         {argument, *value}));
            (argument == "--date" ? options.date : argument == "--from" ? options.from : options.to) =
                std::string(*value);
            continue;
        }
        const int taken = TakeUnitOption(arguments, argument, "report", Usage().c_str(), options.unit);
        if (taken == -2)
            return ReportUsageError(FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}));
        if (taken >= 0) return taken;
    }
    if (options.date && (options.from || options.to))
        return ReportUsageError(Tr("CtlReport", "give --date or --from and --to, not both"));
    if (options.from.has_value() != options.to.has_value())
        return ReportUsageError(Tr("CtlReport", "--from and --to go together"));
    if (options.from) {
        const long long days = DaysFromCivil(*ParseIsoDate(*options.to)) - DaysFromCivil(*ParseIsoDate(*options.from));
        if (days < 0) return ReportUsageError(Tr("CtlReport", "--to must not come before --from"));
        if (days >= kMostDays) return ReportUsageError(Tr("CtlReport", "a report covers at most 366 days"));
    }
    return -1;
}

void PrintCells(ReportTable table, const std::vector<bool>& rightAligned) {
    std::vector<std::vector<std::string>> rows{std::move(table.headings)};
    for (std::vector<std::string>& row : table.rows) {
        for (std::string& cell : row) cell = TerminalText(cell);
        rows.push_back(std::move(row));
    }
    PrintTable(rows, rightAligned);
}

void PrintSheet(const ReportSheet& sheet) {
    std::printf("\n%s\n", FillPlaceholders(Tr("CtlReport", "%1:"), {TerminalText(sheet.caption)}).c_str());
    PrintCells(sheet.timers, {true, false, false, false, false, true, false});
}

void PrintDay(const ReportDay& day) {
    std::printf("\n%s\n", day.heading.c_str());
    if (!day.timeline.rows.empty()) PrintCells(day.timeline, {});
    if (!day.heldAtStart.timers.rows.empty()) PrintSheet(day.heldAtStart);
    for (const ReportSheet& sheet : day.sheets) PrintSheet(sheet);
    if (day.gaps.empty()) return;
    std::printf("\n%s\n", Tr("CtlReport", "Gaps in what is known:").c_str());
    for (const std::string& gap : day.gaps) std::printf("- %s\n", TerminalText(gap).c_str());
}

}  // namespace

int RunReport(int argc, char** argv) {
    ReportOptions options;
    if (const int exitCode = ParseOptions(argc, argv, options); exitCode >= 0) return exitCode;

    ReportRequest request;
    request.settingsFolder = StartFolder();
    const std::string today = FormatIsoDate(WallClockAt(std::time(nullptr), SystemZone()).date);
    request.from = options.from.value_or(options.date.value_or(today));
    request.to = options.to.value_or(request.from);
    if (options.unit.port) request.port = *options.unit.port;
    if (options.unit.device) request.device = *options.unit.device;
    const RecordReport report = MakeRecordReport(request);
    if (!report.ok) {
        std::fprintf(stderr, "cvtimerctl report: %s\n", report.problem.c_str());
        return 1;
    }
    std::printf("%s\n", FillPlaceholders(Tr("CtlReport", "Record of sends: %1"), {TerminalText(report.recordPath)}).c_str());
    std::printf("%s\n", FillPlaceholders(Tr("CtlReport", "Unit: %1"), {TerminalText(report.unit)}).c_str());
    for (const std::string& note : report.notes) std::printf("%s\n", note.c_str());
    for (const ReportDay& day : report.days) PrintDay(day);
    return 0;
}

}  // namespace cv
