#pragma once
// What cvtimerctl needs from the system it runs on: its arguments, its console
// and the user's request to stop, the same way on Linux (console_posix.cpp)
// and Windows (console_win32.cpp).

#include <string>
#include <vector>

namespace cv {

// The program's arguments, argv[0] included, in UTF-8 like every path in the
// core. Windows hands main() its arguments in the local code page, so there
// they are taken from the wide command line instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes the console show UTF-8 output as such (Windows; put back at exit).
void UseUtf8Console();

// handler gets SIGINT for Ctrl-C and SIGTERM for a request to terminate (on
// Windows: Ctrl-Break; a second Ctrl-C or Ctrl-Break there ends the program at
// once). It may run on another thread (Windows) or inside a signal handler
// (Linux), so it may only set a lock-free atomic, write to a pipe or call
// BlockingCallCanceller::Cancel. Linux also ignores SIGPIPE, so a reader that
// went away (| head) cannot cut a transfer short.
void CatchStopSignals(void (*handler)(int));

}  // namespace cv
