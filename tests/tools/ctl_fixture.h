#pragma once
// cvtimerctl as a user runs it: the built binary in a child process, with a
// fresh folder as its working directory and a simulated unit on a pty.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/temp_folder.h"
#include "tools/simulated_unit.h"

namespace cv {

struct Outcome {
    int status = -1;  // the exit code, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// One run of cvtimerctl; Finish collects what it printed and how it ended.
class Ctl {
public:
    // launcher: a program that starts cvtimerctl, and its arguments before
    // cvtimerctl's path (faketime and its moment); env: variables added to ours.
    Ctl(const std::string& folder, std::vector<std::string> arguments, std::vector<std::string> launcher = {},
        std::vector<std::string> env = {}) {
        // CVTIMERCTL names a copy when the tests run from another folder (as another user).
        const char* copy = std::getenv("CVTIMERCTL");
        arguments.insert(arguments.begin(), copy && *copy ? copy : CVTIMERCTL_PATH);
        arguments.insert(arguments.begin(), launcher.begin(), launcher.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        const auto overridden = [&env](std::string_view variable) {
            for (const std::string& ours : env) {
                if (variable.substr(0, variable.find('=') + 1) == ours.substr(0, ours.find('=') + 1)) return true;
            }
            return false;
        };
        for (char** variable = environ; *variable; ++variable) {
            if (!overridden(*variable)) envp.push_back(*variable);
        }
        for (std::string& variable : env) envp.push_back(variable.data());
        envp.push_back(nullptr);
        int outPipe[2], errPipe[2];
        if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            const int devNull = open("/dev/null", O_RDONLY);
            if (chdir(folder.c_str()) != 0 || dup2(devNull, 0) < 0 || dup2(outPipe[1], 1) < 0 ||
                dup2(errPipe[1], 2) < 0)
                _exit(125);
            execve(argv[0], argv.data(), envp.data());
            _exit(126);
        }
        close(outPipe[1]);
        close(errPipe[1]);
        fds_[0] = outPipe[0];
        fds_[1] = errPipe[0];
    }
    ~Ctl() {
        if (pid_ > 0) Finish();
    }

    void Signal(int signalNumber) { kill(pid_, signalNumber); }

    // Waits until cvtimerctl has printed `text` on stdout; false at the deadline.
    bool WaitForOutput(const std::string& text, std::chrono::seconds within = std::chrono::seconds(30)) {
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (early_.find(text) == std::string::npos && fds_[0] >= 0) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            pollfd readable{fds_[0], POLLIN, 0};
            if (poll(&readable, 1, 100) <= 0) continue;
            char buffer[4096];
            const ssize_t count = read(fds_[0], buffer, sizeof buffer);
            if (count <= 0) break;
            early_.append(buffer, static_cast<std::size_t>(count));
        }
        return early_.find(text) != std::string::npos;
    }

    Outcome Finish() {
        Outcome outcome;
        outcome.out = std::move(early_);
        std::string* sinks[2] = {&outcome.out, &outcome.err};
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while ((fds_[0] >= 0 || fds_[1] >= 0) && std::chrono::steady_clock::now() < deadline) {
            pollfd readable[2] = {{fds_[0], POLLIN, 0}, {fds_[1], POLLIN, 0}};
            if (poll(readable, 2, 100) <= 0) continue;
            for (int i = 0; i < 2; ++i) {
                if (readable[i].revents == 0) continue;
                char buffer[4096];
                const ssize_t count = read(fds_[i], buffer, sizeof buffer);
                if (count > 0) {
                    sinks[i]->append(buffer, static_cast<std::size_t>(count));
                } else {
                    close(fds_[i]);
                    fds_[i] = -1;
                }
            }
        }
        if (fds_[0] >= 0 || fds_[1] >= 0) {
            ADD_FAILURE() << "cvtimerctl did not finish in time";
            kill(pid_, SIGKILL);
            for (int& fd : fds_) {
                if (fd >= 0) close(fd);
                fd = -1;
            }
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return outcome;
    }

private:
    pid_t pid_ = -1;
    int fds_[2] = {-1, -1};
    std::string early_;  // stdout read while waiting for output
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The line of `text` that starts with `prefix`, or "" when none does.
inline std::string LineStarting(const std::string& text, const std::string& prefix) {
    for (const std::string& line : Lines(text)) {
        if (line.starts_with(prefix)) return line;
    }
    return "";
}

class CtlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder.Path().empty()); }

    Outcome Run(const std::vector<std::string>& arguments) { return Ctl(folder.Path(), arguments).Finish(); }

    std::string WriteFile(const std::string& name, const std::string& text) {
        WriteBytes(folder.File(name), text);
        return folder.File(name);
    }

    void StartUnit(UnitBehaviour behaviour = {}) {
        unit = std::make_unique<SimulatedUnit>(behaviour);
        std::string error;
        ASSERT_TRUE(unit->Start(&error)) << error;
    }

    TempFolder folder;
    std::unique_ptr<SimulatedUnit> unit;
};

}  // namespace cv
