// cvtimerctl: the command line beside CV Timer, for talking to a Corvellan
// unit or playing one.

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/language/language_choice.h"
#include "core/language/tr.h"
#include "core/settings/folder_paths.h"
#include "core/settings/port_setting.h"
#include "core/timers/sentence.h"
#include "cvtimer_version.h"
#include "tools/ctl_catalogue.h"
#include "tools/console.h"
#include "tools/ctl_commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    std::string (*summary)();
};

// One line per subcommand.
constexpr Command kCommands[] = {
    {"show", cv::RunShow, [] { return cv::Tr("CtlHelp", "print the timers of a timer file"); }},
    {"plan", cv::RunPlan, [] { return cv::Tr("CtlHelp", "print the day's reminders of a timer file and the clashes"); }},
    {"send", cv::RunSend, [] { return cv::Tr("CtlHelp", "send the timers of a timer file to the unit"); }},
    {"sent", cv::RunSent,
     [] { return cv::Tr("CtlHelp", "show what the unit holds as far as the record of sends knows"); }},
    {"report", cv::RunReport,
     [] { return cv::Tr("CtlHelp", "print what the unit held, day by day, by the record of sends"); }},
    {"dayparts", cv::RunDayParts,
     [] { return cv::Tr("CtlHelp", "show the day-part plan, or send the part that is due"); }},
    {"ports", cv::RunPorts, [] { return cv::Tr("CtlHelp", "list the serial ports and the devices they reach"); }},
    {"emulate", cv::RunEmulate,
     [] { return cv::Tr("CtlHelp", "play a Corvellan unit on a pseudo-terminal (Linux only)"); }},
};

void PrintUsage(std::FILE* out) {
    std::fputs(cv::Tr("CtlHelp", "Usage: cvtimerctl <command> [options]\n"
                                 "       cvtimerctl <command> --help\n"
                                 "       cvtimerctl --version\n\n"
                                 "Commands:\n")
                   .c_str(),
               out);
    for (const Command& command : kCommands) std::fprintf(out, "  %-10s %s\n", command.name, command.summary().c_str());
}

}  // namespace

int main(int argc, char** rawArgv) {
    std::vector<std::string> arguments = cv::Utf8Arguments(argc, rawArgv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    char** argv = pointers.data();
    cv::UseUtf8Console();
    // The same settings file as the commands read, in the folder started in.
    const cv::LanguageChoice language = cv::ChooseLanguageFor(cv::SettingsPathIn(cv::StartFolder()));
    cv::UseCatalogue(language.language);
    if (language.pinUnknown) {
        const std::string notice = cv::FillPlaceholders(
            cv::Tr("cvtimerctl", "cvtimerctl: the settings file asks for the language \"%1\" ([Display] "
                                 "Language), which CV Timer does not speak; it speaks English. Write en, es or fr there."),
            {language.unknownPin});
        std::fprintf(stderr, "%s\n", notice.c_str());
    }

    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string_view first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintUsage(stdout);
        return 0;
    }
    if (first == "--version") {
        std::printf("cvtimerctl %s\n", CVTIMER_VERSION);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (first == command.name) return command.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "cvtimerctl: %s\n\n",
                 cv::FillPlaceholders(cv::Tr("CtlHelp", "unknown command '%1'"), {argv[1]}).c_str());
    PrintUsage(stderr);
    return 2;
}
