#pragma once
// Crash safety shown: a child process repeats a save until it is killed with
// SIGKILL at a random moment, as a power cut or the OOM killer would stop it.

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <functional>
#include <random>

namespace cv {

// Runs save(0), save(1), ... in a child until the kill, which comes at a
// random moment within the first few milliseconds of saving. True when the
// child was killed mid-loop (and not stopped by anything else).
inline bool KillWhileSaving(const std::function<void(int round)>& save, std::mt19937& random) {
    int started[2];
    if (::pipe(started) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        ::close(started[0]);
        (void)!::write(started[1], "s", 1);
        for (int round = 0;; ++round) save(round);
    }
    ::close(started[1]);
    char byte = 0;
    const bool running = ::read(started[0], &byte, 1) == 1;
    ::close(started[0]);
    // The random moment of the fault, not a wait for anything.
    const timespec moment{0, std::uniform_int_distribution<long>(0, 3'000'000)(random)};
    ::nanosleep(&moment, nullptr);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return running && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace cv
