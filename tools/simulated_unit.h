#pragma once
// A stand-in for the Corvellan unit on a pseudo-terminal: the program opens
// DevicePath() as if it were the serial port, and the unit answers each
// "{...}" message with one byte, the way a behaviour tells it to.

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/unit_messages.h"

namespace cv {

struct UnitBehaviour {
    int wrongAnswerAt = 0;   // 1-based message number answered with wrongByte instead of 'g' (0 = never)
    char wrongByte = 'x';
    int silentFrom = 0;      // from this 1-based message number on, answer nothing (0 = never)
    int answerDelayMs = 0;   // answer each message this late
    int baud = 0;            // 0: no pacing; else pace like a real line: 10 bits per byte each way
};

// The byte a unit with this behaviour answers message `number` with, or
// nothing when it stays silent. Silence wins over a wrong answer.
std::optional<char> DecideAnswer(const UnitBehaviour& behaviour, int number);

class SimulatedUnit {
public:
    explicit SimulatedUnit(UnitBehaviour behaviour = {});
    ~SimulatedUnit();  // stops
    SimulatedUnit(const SimulatedUnit&) = delete;
    SimulatedUnit& operator=(const SimulatedUnit&) = delete;

    // Opens a pty pair and starts the worker that reads messages. A unit
    // starts once; on failure `error` says which call failed and why.
    bool Start(std::string* error = nullptr);

    // The slave path the program opens (/dev/pts/N); empty before Start.
    const std::string& DevicePath() const;

    // Idempotent; joins the worker. Answers not yet due are dropped.
    void Stop();

    // Thread-safe; applies to messages completed from now on.
    void SetBehaviour(const UnitBehaviour& behaviour);

    // Every complete "{...}" received, in order, answered or not.
    std::vector<std::string> Messages() const;

    // True once at least `count` messages were received; false at the timeout.
    bool WaitForMessages(std::size_t count, std::chrono::milliseconds timeout) const;

    // True once every message received so far has had its answer written
    // (or was left unanswered by the behaviour); false at the timeout.
    bool WaitUntilAnswered(std::chrono::milliseconds timeout) const;

    // True once every answer written has also been read (or discarded) by the
    // program; false at the timeout. A unit about to go away waits for this,
    // since closing the line throws away what the program has not yet read.
    bool WaitUntilAnswersTaken(std::chrono::milliseconds timeout) const;

    // Timers completed so far (settings message + name message of one index),
    // in the order their name messages arrived. Undecodable messages are
    // recorded in Messages() but complete no timer.
    std::vector<UnitTimer> Timers() const;

    // Writes raw bytes to the program at once, unpaced (e.g. a stray late 'g').
    // Not to be called while another thread stops the unit.
    void Send(const std::string& bytes);

    // Called on the worker thread for each message, after Messages() and
    // Timers() include it; must not call Stop().
    void SetMessageCallback(std::function<void(const std::string& message, int number)> callback);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace cv
