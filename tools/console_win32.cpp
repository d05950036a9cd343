#include "tools/console.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

#include "core/platform/wide_text.h"

namespace cv {

namespace {

std::atomic<void (*)(int)> gHandler{nullptr};
std::atomic<bool> gStopAsked{false};

BOOL WINAPI OnConsoleControl(DWORD event) {
    void (*handler)(int) = gHandler.load();
    if (handler == nullptr) return FALSE;
    // A second request ends the program at once (the system's default), for a
    // call that would not let itself be cut short.
    if ((event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) && gStopAsked.exchange(true)) return FALSE;
    switch (event) {
        case CTRL_C_EVENT:
            handler(SIGINT);
            return TRUE;
        case CTRL_BREAK_EVENT:
            handler(SIGTERM);
            return TRUE;
        default:
            // Closing the console ends the process as soon as a handler returns,
            // so there is nothing to gain from catching it.
            return FALSE;
    }
}

UINT gOriginalOutputCodePage = 0;

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) ::LocalFree(wide);
        return {argv, argv + argc};
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void UseUtf8Console() {
    gOriginalOutputCodePage = ::GetConsoleOutputCP();
    // No console (output to a file or pipe), or one that shows UTF-8 already.
    if (gOriginalOutputCodePage == 0 || gOriginalOutputCodePage == CP_UTF8) return;
    // The code page belongs to the console window, which outlives the program.
    if (::SetConsoleOutputCP(CP_UTF8)) std::atexit([] { ::SetConsoleOutputCP(gOriginalOutputCodePage); });
}

void CatchStopSignals(void (*handler)(int)) {
    gHandler = handler;
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

}  // namespace cv
