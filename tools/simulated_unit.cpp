#include "tools/simulated_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace cv {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTimerSlots = 10;
// A message longer than this is line noise, not a message: forget it.
constexpr std::size_t kLongestMessage = 1024;

struct TimedByte {
    char byte;
    Clock::time_point at;  // when it has crossed the line
};

// Start, stop and one data bit each way: ten bit times per byte.
Clock::duration ByteTime(int baud) {
    if (baud <= 0) return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud));
}

timespec ToTimespec(Clock::duration wait) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(wait, Clock::duration::zero()));
    return timespec{static_cast<time_t>(ns.count() / 1'000'000'000), static_cast<long>(ns.count() % 1'000'000'000)};
}

void CloseIfOpen(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

std::optional<char> DecideAnswer(const UnitBehaviour& behaviour, int number) {
    if (behaviour.silentFrom > 0 && number >= behaviour.silentFrom) return std::nullopt;
    if (behaviour.wrongAnswerAt > 0 && number == behaviour.wrongAnswerAt) return behaviour.wrongByte;
    return 'g';
}

struct SimulatedUnit::State {
    // Fixed between Start and Stop.
    int masterFd = -1;
    int slaveFd = -1;  // held for the unit's whole life, so the master never sees a hang-up
    int wakeFd = -1;
    bool started = false;
    std::string devicePath;
    std::thread worker;

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    UnitBehaviour behaviour;
    std::vector<std::string> messages;
    std::vector<UnitTimer> timers;
    std::optional<SettingsMessage> pendingSettings[kTimerSlots];
    std::size_t answersPending = 0;
    std::function<void(const std::string&, int)> callback;

    // The worker's own.
    std::deque<TimedByte> inbound;   // read from the program, not yet across the line
    std::deque<TimedByte> outbound;  // answers waiting for their moment
    Clock::time_point inboundFreeAt{};
    Clock::time_point outboundFreeAt{};
    std::string frame;
    bool inFrame = false;
    bool masterReadable = true;

    void Run();
    void ReadFromProgram(Clock::time_point now);
    void TakeArrivedBytes(Clock::time_point now);
    void CompleteMessage(Clock::time_point at);
    void RecordTimerPart(const std::string& message);
    void WriteDueAnswers(Clock::time_point now);
};

void SimulatedUnit::State::Run() {
    for (;;) {
        const Clock::time_point now = Clock::now();
        TakeArrivedBytes(now);
        WriteDueAnswers(now);

        std::optional<Clock::time_point> next;
        if (!inbound.empty()) next = inbound.front().at;
        if (!outbound.empty()) next = next ? std::min(*next, outbound.front().at) : outbound.front().at;
        timespec wait{};
        if (next) wait = ToTimespec(*next - Clock::now());

        pollfd fds[2] = {{wakeFd, POLLIN, 0}, {masterReadable ? masterFd : -1, POLLIN, 0}};
        const int ready = ppoll(fds, 2, next ? &wait : nullptr, nullptr);
        if (ready < 0 && errno != EINTR) return;
        if (ready <= 0) continue;
        if (fds[0].revents != 0) return;
        if (fds[1].revents != 0) ReadFromProgram(Clock::now());
    }
}

void SimulatedUnit::State::ReadFromProgram(Clock::time_point now) {
    char buffer[4096];
    const ssize_t count = read(masterFd, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (count <= 0) {
        // Cannot happen while our slave is open; if it does, stop listening
        // rather than spin on an endlessly readable descriptor.
        masterReadable = false;
        return;
    }
    Clock::duration byteTime;
    {
        std::lock_guard lock(mutex);
        byteTime = ByteTime(behaviour.baud);
    }
    // The line carries the bytes back to back, after whatever it still carries.
    for (ssize_t i = 0; i < count; ++i) {
        inboundFreeAt = std::max(now, inboundFreeAt) + byteTime;
        inbound.push_back({buffer[i], inboundFreeAt});
    }
}

void SimulatedUnit::State::TakeArrivedBytes(Clock::time_point now) {
    while (!inbound.empty() && inbound.front().at <= now) {
        const TimedByte arrived = inbound.front();
        inbound.pop_front();
        if (!inFrame) {
            if (arrived.byte != '{') continue;
            inFrame = true;
            frame.clear();
        }
        frame += arrived.byte;
        if (arrived.byte == '}') {
            inFrame = false;
            CompleteMessage(arrived.at);
        } else if (frame.size() > kLongestMessage) {
            inFrame = false;
        }
    }
}

void SimulatedUnit::State::CompleteMessage(Clock::time_point at) {
    std::function<void(const std::string&, int)> notify;
    int number;
    {
        std::lock_guard lock(mutex);
        messages.push_back(frame);
        number = static_cast<int>(messages.size());
        RecordTimerPart(frame);
        if (std::optional<char> answer = DecideAnswer(behaviour, number)) {
            const Clock::time_point ready = at + std::chrono::milliseconds(std::max(0, behaviour.answerDelayMs));
            outboundFreeAt = std::max(ready, outboundFreeAt) + ByteTime(behaviour.baud);
            outbound.push_back({*answer, outboundFreeAt});
            ++answersPending;
        }
        notify = callback;
    }
    changed.notify_all();
    if (notify) notify(frame, number);
}

void SimulatedUnit::State::RecordTimerPart(const std::string& message) {
    if (std::optional<SettingsMessage> settings = DecodeSettingsMessage(message)) {
        pendingSettings[settings->index] = settings;
        return;
    }
    std::optional<NameMessage> name = DecodeNameMessage(message);
    if (!name) return;
    std::optional<SettingsMessage>& settings = pendingSettings[name->index];
    if (!settings) return;
    timers.push_back({name->index, name->name, settings->startTime, settings->repeatInterval,
                      settings->snoozeTime, settings->priority});
    settings.reset();
}

void SimulatedUnit::State::WriteDueAnswers(Clock::time_point now) {
    while (!outbound.empty() && outbound.front().at <= now) {
        const char answer = outbound.front().byte;
        outbound.pop_front();
        // A full input queue on the program's side loses the byte, as a line would.
        while (write(masterFd, &answer, 1) < 0 && errno == EINTR) {
        }
        {
            std::lock_guard lock(mutex);
            --answersPending;
        }
        changed.notify_all();
    }
}

SimulatedUnit::SimulatedUnit(UnitBehaviour behaviour) : state_(std::make_unique<State>()) {
    state_->behaviour = behaviour;
}

SimulatedUnit::~SimulatedUnit() { Stop(); }

bool SimulatedUnit::Start(std::string* error) {
    State& s = *state_;
    if (s.started) {
        if (error) *error = "the unit was already started";
        return false;
    }
    s.started = true;
    auto fail = [&](const char* step) {
        if (error) *error = std::string(step) + ": " + std::strerror(errno);
        CloseIfOpen(s.masterFd);
        CloseIfOpen(s.slaveFd);
        CloseIfOpen(s.wakeFd);
        s.devicePath.clear();
        return false;
    };
    s.masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (s.masterFd < 0) return fail("posix_openpt");
    if (grantpt(s.masterFd) != 0) return fail("grantpt");
    if (unlockpt(s.masterFd) != 0) return fail("unlockpt");
    char path[128];
    if (ptsname_r(s.masterFd, path, sizeof path) != 0) return fail("ptsname_r");
    s.devicePath = path;
    s.slaveFd = open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (s.slaveFd < 0) return fail(path);
    // Raw from the start: the line discipline must neither echo the program's
    // bytes back nor translate any of them.
    termios mode{};
    if (tcgetattr(s.slaveFd, &mode) != 0) return fail("tcgetattr");
    cfmakeraw(&mode);
    mode.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(s.slaveFd, TCSANOW, &mode) != 0) return fail("tcsetattr");
    if (fcntl(s.masterFd, F_SETFL, O_NONBLOCK) != 0) return fail("fcntl");
    s.wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (s.wakeFd < 0) return fail("eventfd");
    s.worker = std::thread([&s] { s.Run(); });
    return true;
}

const std::string& SimulatedUnit::DevicePath() const { return state_->devicePath; }

void SimulatedUnit::Stop() {
    State& s = *state_;
    if (s.worker.joinable()) {
        const std::uint64_t one = 1;
        while (write(s.wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
        }
        s.worker.join();
    }
    CloseIfOpen(s.masterFd);
    CloseIfOpen(s.slaveFd);
    CloseIfOpen(s.wakeFd);
}

void SimulatedUnit::SetBehaviour(const UnitBehaviour& behaviour) {
    std::lock_guard lock(state_->mutex);
    state_->behaviour = behaviour;
}

std::vector<std::string> SimulatedUnit::Messages() const {
    std::lock_guard lock(state_->mutex);
    return state_->messages;
}

bool SimulatedUnit::WaitForMessages(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, timeout, [&] { return state_->messages.size() >= count; });
}

bool SimulatedUnit::WaitUntilAnswered(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, timeout, [&] { return state_->answersPending == 0; });
}

bool SimulatedUnit::WaitUntilAnswersTaken(std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (!WaitUntilAnswered(timeout)) return false;
    // The line keeps no count of its own to wait on, so look every few milliseconds.
    for (;;) {
        int unread = 0;
        if (state_->slaveFd < 0 || ioctl(state_->slaveFd, FIONREAD, &unread) != 0 || unread == 0) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        poll(nullptr, 0, 5);
    }
}

std::vector<UnitTimer> SimulatedUnit::Timers() const {
    std::lock_guard lock(state_->mutex);
    return state_->timers;
}

void SimulatedUnit::Send(const std::string& bytes) {
    const int fd = state_->masterFd;
    std::size_t sent = 0;
    while (fd >= 0 && sent < bytes.size()) {
        const ssize_t count = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (count > 0) {
            sent += static_cast<std::size_t>(count);
        } else if (count < 0 && errno == EAGAIN) {
            // The program is not reading; give it a second, then give up.
            pollfd writable{fd, POLLOUT, 0};
            if (poll(&writable, 1, 1000) <= 0) return;
        } else if (!(count < 0 && errno == EINTR)) {
            return;
        }
    }
}

void SimulatedUnit::SetMessageCallback(std::function<void(const std::string& message, int number)> callback) {
    std::lock_guard lock(state_->mutex);
    state_->callback = std::move(callback);
}

}  // namespace cv
