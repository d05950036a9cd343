#include "tools/ctl_timer_file.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "core/language/tr.h"
#include "core/timerfile/timer_file_io.h"
#include "core/timers/sentence.h"
#include "tools/ctl_options.h"

namespace cv {

std::optional<int> ReadTimerFileOperand(int argc, char** argv, const char* command, const char* usage,
                                        TimerFileContent& content) {
    std::string path;
    bool havePath = false;
    ArgumentReader arguments(argc, argv);
    while (!arguments.AtEnd()) {
        const std::string_view argument = arguments.Next();
        if (arguments.IsOption()) {
            if (!IsHelpOption(argument))
                return UsageError(command, FillPlaceholders(Tr("CtlUsage", "unknown option '%1'"), {arguments.Whole()}), usage);
            std::fputs(usage, stdout);
            return 0;
        }
        if (havePath) return UsageError(command, Tr("CtlUsage", "only one FILE, please"), usage);
        path = argument;
        havePath = true;
    }
    if (!havePath) return UsageError(command, Tr("CtlUsage", "which timer file?"), usage);

    content = ReadTimerFile(path);
    if (!content.ok) {
        std::fprintf(stderr, "%s\n%s\n", TimerFileErrorMainText(content.error).c_str(),
                     TimerFileErrorDetailText(content.error).c_str());
        return 1;
    }
    TellConversion(content, path);
    return std::nullopt;
}

void TellConversion(const TimerFileContent& content, const std::string& path) {
    const std::string note = DescribeTimerFileConversion(content, path);
    if (!note.empty()) std::fprintf(stderr, "cvtimerctl: %s\n", note.c_str());
}

}  // namespace cv
