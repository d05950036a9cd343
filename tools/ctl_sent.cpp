// cvtimerctl sent: what the unit holds as far as the record of sends knows,
// or the sends themselves, newest first.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language/tr.h"
#include "core/record/send_entry.h"
#include "core/timers/sentence.h"
#include "core/device/port_map.h"
#include "core/record/send_log.h"
#include "core/record/unit_holdings.h"
#include "core/settings/folder_paths.h"
#include "core/settings/port_setting.h"
#include "core/timers/utf8_text.h"
#include "tools/ctl_commands.h"
#include "tools/ctl_options.h"

namespace cv {

namespace {

// The --help page, one text so that a language words it as a whole.
std::string Usage() {
    return Tr("CtlSent",
           "Usage: cvtimerctl sent [--port N | --device PATH] [--history]\n\n"
           "Prints what the Corvellan unit holds as far as the record of sends knows.\n"
           "The record is CVTimerSends.log beside CVTimerSystem.ini in the current\n"
           "folder; CV Timer and cvtimerctl send add an entry to it for every send made\n"
           "from that folder, and it knows of no other. The table is that of cvtimerctl\n"
           "show, with a last column saying when each timer was sent and from which\n"
           "file. A part of a timer is \"not known\" when its message went out without\n"
           "being acknowledged (the unit may or may not have taken it), or when no send\n"
           "in the record reached it. Without an option the unit is the one on the port\n"
           "chosen in CVTimerSystem.ini.\n\n"
           "Exit status: 0 shown, 1 the record cannot be read, 2 wrong usage.\n\n"
           "Options:\n"
           "  --port N       the unit on Comm Port N (1 to 65535)\n"
           "  --device PATH  the unit on this device, whichever port reached it (on\n"
           "                 Windows a port name such as COM7 will do)\n"
           "  --history      list the sends instead, newest first: every send of the\n"
           "                 record, or with --port or --device those to that unit\n"
           "  --help         show this text\n");
}

struct SentOptions {
    UnitOptions unit;
    bool history = false;
};

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, SentOptions& options) {
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (!arguments.IsOption())
            return UsageError("sent", FillPlaceholders(Tr("CtlUsage", "unexpected argument '%1'"), {argument}),
                              Usage().c_str());
        if (IsHelpOption(argument)) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        if (argument == "--history") {
            options.history = true;
            continue;
        }
        const int taken = TakeUnitOption(arguments, argument, "sent", Usage().c_str(), options.unit);
        if (taken == -2) return UsageError("sent", FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}),
                                                Usage().c_str());
        if (taken >= 0) return taken;
    }
    return -1;
}

// "The unit on port 2, as 3 recorded sends left it:".
std::string HoldingsTitle(const UnitChoice& unit, int sends) {
    if (unit.device.empty())
        return FillPlaceholders(Tr("CtlSent", "The unit on port %1, as %n recorded sends left it:", nullptr, sends),
                                {std::to_string(unit.portNumber)});
    return FillPlaceholders(Tr("CtlSent", "The unit on %1, as %n recorded sends left it:", nullptr, sends),
                            {unit.device});
}

// The table's texts for what is not known are Latin-1, as its timers' are.
std::string Shown(const std::string& latin1) { return Utf8FromLatin1(latin1); }

void PrintHoldings(const SendLogContent& record, const UnitChoice& unit) {
    const UnitHoldings holdings = DeriveUnitHoldings(record.entries, unit);
    std::printf("%s\n", HoldingsTitle(unit, holdings.sends).c_str());
    std::vector<std::vector<std::string>> rows{{Tr("CtlTable", "Timer"), Tr("CtlTable", "Name"), Tr("CtlTable", "Start"),
                                               Tr("CtlTable", "Repeat"), Tr("CtlTable", "Snooze"),
                                               Tr("CtlTable", "Priority"), Tr("CtlTable", "Sent")}};
    for (int index = 0; index < kTimerCount; ++index) {
        const HeldTimer& held = holdings.timers[static_cast<std::size_t>(index)];
        std::vector<std::string> row{std::to_string(index + 1)};
        row.push_back(held.name.known ? DisplayTimerName(Utf8FromLatin1(held.name.values.name))
                                      : Shown(HeldFieldText(held, TimerField::Name)));
        for (TimerField field : {TimerField::StartTime, TimerField::RepeatInterval, TimerField::SnoozeTime,
                                 TimerField::Priority})
            row.push_back(Shown(HeldFieldText(held, field)));
        row.push_back(DescribeWhenSent(held));
        rows.push_back(std::move(row));
    }
    PrintTable(rows, {true, false, false, false, false, true, false});
}

void PrintHistory(const SendLogContent& record, const std::optional<UnitChoice>& unit) {
    std::vector<std::vector<std::string>> rows{{Tr("CtlTable", "When"), Tr("CtlTable", "User"), Tr("CtlTable", "Port"),
                                               Tr("CtlTable", "File"), Tr("CtlTable", "How"), Tr("CtlTable", "Outcome")}};
    for (auto entry = record.entries.rbegin(); entry != record.entries.rend(); ++entry) {
        if (unit && !SendReached(*entry, *unit)) continue;
        const std::string port = entry->portNumber > 0 ? std::to_string(entry->portNumber) : entry->device;
        rows.push_back({entry->when, entry->user, port, DescribeSource(entry->source), DescribeOrigin(entry->origin),
                        DescribeRecordedOutcome(entry->outcome)});
    }
    if (rows.size() == 1) {
        std::string none = Tr("CtlSent", "No sends recorded.");
        if (unit && unit->device.empty())
            none = FillPlaceholders(Tr("CtlSent", "No sends recorded to the unit on port %1."),
                                    {std::to_string(unit->portNumber)});
        else if (unit)
            none = FillPlaceholders(Tr("CtlSent", "No sends recorded to the unit on %1."), {unit->device});
        std::printf("%s\n", none.c_str());
        return;
    }
    PrintTable(rows, {});
}

}  // namespace

int RunSent(int argc, char** argv) {
    SentOptions options;
    if (const int exitCode = ParseOptions(argc, argv, options); exitCode >= 0) return exitCode;

    const std::string folder = StartFolder();
    const std::string logPath = SendLogPathIn(folder);
    const SendLogRead read = ReadSendLog(logPath);
    if (!read.ok) {
        std::fprintf(stderr, "cvtimerctl sent: %s\n", read.problem.c_str());
        return 1;
    }

    std::optional<UnitChoice> unit;
    if (options.unit.device) {
        // The record names devices as messages do ("COM5" on Windows).
        unit = UnitChoice{0, DisplayDeviceName(DeviceFromUserName(*options.unit.device))};
    } else if (options.unit.port) {
        unit = UnitChoice{*options.unit.port, ""};
    } else if (!options.history) {
        const std::string settingsPath = SettingsPathIn(folder);
        WarnIfSettingsUnread(settingsPath);
        unit = UnitChoice{ReadPortNumber(settingsPath), ""};
    }

    if (options.history) {
        PrintHistory(read.content, unit);
    } else {
        PrintHoldings(read.content, *unit);
    }
    if (read.content.damaged > 0)
        std::printf("\n%s\n", Tr("CtlSent", "%n entries are of the record cut short or damaged, and left out.",
                                   nullptr, read.content.damaged)
                                    .c_str());
    std::printf("\n%s\n",
                FillPlaceholders(Tr("CtlSent", "The record knows only the sends made from this folder: %1"), {logPath})
                    .c_str());
    return 0;
}

}  // namespace cv
