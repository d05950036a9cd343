// cvtimerctl's texts come from the language whole: a usage error and the help
// page, run in-process with a language that marks every text it gives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/marked_texts.h"
#include "tools/ctl_commands.h"

namespace cv {
namespace {

struct Printed {
    int status;
    std::string out;
    std::string err;
};

Printed RunShowWith(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "show");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunShow(static_cast<int>(arguments.size()), argv.data());
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    return {status, std::move(out), testing::internal::GetCapturedStderr()};
}

TEST(CtlTexts, AnErrorAndTheHelpPageComeWholeFromTheLanguage) {
    const MarkedTexts marked;
    const Printed help = RunShowWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("[[Usage: cvtimerctl show FILE\n", 0), 0u) << help.out;
    EXPECT_TRUE(help.out.ends_with("  --help    show this text\n]]")) << help.out;

    const Printed wrong = RunShowWith({"--colour"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err.rfind("cvtimerctl show: [[unknown option '--colour']]\n\n[[Usage:", 0), 0u) << wrong.err;
}

}  // namespace
}  // namespace cv
