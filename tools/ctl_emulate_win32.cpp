// cvtimerctl emulate on Windows: the simulated unit lives on a Linux
// pseudo-terminal, which Windows has no counterpart of.

#include <cstdio>

#include "tools/ctl_commands.h"

namespace cv {

int RunEmulate(int, char**) {
    std::fputs("cvtimerctl emulate: the simulated unit runs on Linux only. On Windows, connect the unit,\n"
               "or run the simulated unit on Linux and reach it through a serial cable.\n",
               stderr);
    return 1;
}

}  // namespace cv
