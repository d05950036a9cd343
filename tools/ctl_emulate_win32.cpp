// cvtimerctl emulate on Windows: the simulated unit lives on a Linux
// pseudo-terminal, which Windows has no counterpart of.

#include <cstdio>
#include <string>

#include "core/language/tr.h"
#include "tools/ctl_commands.h"

namespace cv {

int RunEmulate(int, char**) {
    const std::string text = Tr("CtlEmulate", "the simulated unit runs on Linux only. On Windows, connect the unit,\n"
                                              "or run the simulated unit on Linux and reach it through a serial cable.");
    std::fprintf(stderr, "cvtimerctl emulate: %s\n", text.c_str());
    return 1;
}

}  // namespace cv
