#include "tools/simulated_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <future>
#include <string_view>

#include <gtest/gtest.h>

namespace cv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kPatience = 5s;

// The program's end of the line, opened as plainly as a serial port would be.
class ProgramSide {
public:
    explicit ProgramSide(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK)) {
        termios mode{};
        if (fd_ >= 0 && tcgetattr(fd_, &mode) == 0) {
            cfmakeraw(&mode);
            tcsetattr(fd_, TCSANOW, &mode);
        }
    }
    ~ProgramSide() {
        if (fd_ >= 0) close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t count = write(fd_, bytes.data(), bytes.size());
            ASSERT_TRUE(count > 0 || errno == EAGAIN || errno == EINTR) << std::strerror(errno);
            if (count > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(count));
            } else {
                pollfd writable{fd_, POLLOUT, 0};
                poll(&writable, 1, 100);
            }
        }
    }

    // Reads until `count` bytes came or `within` has passed.
    std::string Read(std::size_t count, Clock::duration within) {
        const Clock::time_point deadline = Clock::now() + within;
        std::string bytes;
        while (bytes.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left < 0ms) break;
            pollfd readable{fd_, POLLIN, 0};
            if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
            char byte;
            if (read(fd_, &byte, 1) == 1) bytes += byte;
        }
        return bytes;
    }

private:
    int fd_;
};

class SimulatedUnitTest : public ::testing::Test {
protected:
    void StartUnit(UnitBehaviour behaviour = {}) {
        unit_ = std::make_unique<SimulatedUnit>(behaviour);
        std::string error;
        ASSERT_TRUE(unit_->Start(&error)) << error;
        program_ = std::make_unique<ProgramSide>(unit_->DevicePath());
        ASSERT_TRUE(program_->IsOpen()) << unit_->DevicePath();
    }

    // Sends each message once the one before has been dealt with, then
    // returns every byte the unit answered. A marker sent last by the unit
    // itself ends the answers, so silence needs no waiting out.
    std::string AnswersTo(const std::vector<std::string>& messages) {
        const std::size_t before = unit_->Messages().size();
        for (std::size_t i = 0; i < messages.size(); ++i) {
            program_->Write(messages[i]);
            EXPECT_TRUE(unit_->WaitForMessages(before + i + 1, kPatience)) << messages[i];
            EXPECT_TRUE(unit_->WaitUntilAnswered(kPatience));
        }
        unit_->Send("#");
        std::string answers;
        for (std::string byte; (byte = program_->Read(1, kPatience)) != "#" && !byte.empty();) answers += byte;
        return answers;
    }

    std::unique_ptr<SimulatedUnit> unit_;
    std::unique_ptr<ProgramSide> program_;
};

const std::vector<std::string> kFourMessages = {
    "{86,0,1,0360,0030,0003}", "{87,0,Hands Washing       }",
    "{86,1,1,0370,0240,0003}", "{87,1,Beef Cookout Check  }"};

TEST_F(SimulatedUnitTest, AnswersAsTheBehaviourSays) {
    struct Case {
        const char* what;
        UnitBehaviour behaviour;
        std::string answers;
    };
    const Case cases[] = {
        {"every message", {}, "gggg"},
        {"wrong at 2", {.wrongAnswerAt = 2}, "gxgg"},
        {"wrong byte chosen", {.wrongAnswerAt = 3, .wrongByte = '\a'}, "gg\ag"},
        {"silent from 3", {.silentFrom = 3}, "gg"},
        {"silence wins", {.wrongAnswerAt = 3, .silentFrom = 2}, "g"},
    };
    for (const Case& c : cases) {
        StartUnit(c.behaviour);
        EXPECT_EQ(AnswersTo(kFourMessages), c.answers) << c.what;
        EXPECT_EQ(unit_->Messages(), kFourMessages) << c.what;
    }
}

TEST_F(SimulatedUnitTest, NewBehaviourAppliesToLaterMessages) {
    StartUnit();
    EXPECT_EQ(AnswersTo({kFourMessages[0]}), "g");
    unit_->SetBehaviour({.wrongAnswerAt = 2, .wrongByte = 'n'});
    EXPECT_EQ(AnswersTo({kFourMessages[1], kFourMessages[2]}), "ng");
}

TEST_F(SimulatedUnitTest, FramesMessagesBetweenBraces) {
    std::vector<int> numbers;
    StartUnit();
    unit_->SetMessageCallback([&](const std::string&, int number) { numbers.push_back(number); });
    program_->Write("noise} {86,0,1,0360,");
    // Half a message draws no answer and is no message.
    EXPECT_EQ(program_->Read(1, 100ms), "");
    program_->Write("0030,0003}\r\n}{87,0,Hands Washing       }tail");
    ASSERT_TRUE(unit_->WaitForMessages(2, kPatience));
    EXPECT_EQ(program_->Read(2, kPatience), "gg");
    EXPECT_EQ(unit_->Messages(), std::vector<std::string>(kFourMessages.begin(), kFourMessages.begin() + 2));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
}

TEST_F(SimulatedUnitTest, DelaysEachAnswer) {
    StartUnit({.answerDelayMs = 300});
    const Clock::time_point sent = Clock::now();
    program_->Write(kFourMessages[0]);
    EXPECT_EQ(program_->Read(1, 150ms), "");
    EXPECT_EQ(program_->Read(1, kPatience), "g");
    EXPECT_GE(Clock::now() - sent, 300ms);
}

TEST_F(SimulatedUnitTest, TakesAtLeastTheLineTimeAtItsBaud) {
    StartUnit({.baud = 9600});
    const std::string message = kFourMessages[1];
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < 10; ++i) {
        program_->Write(message);
        ASSERT_EQ(program_->Read(1, kPatience), "g") << i;
    }
    const auto lineTime = std::chrono::microseconds(10 * message.size() * 10 * 1'000'000 / 9600);
    EXPECT_GE(Clock::now() - start, lineTime * 9 / 10);
}

TEST_F(SimulatedUnitTest, PairsSettingsAndNameOfOneIndexIntoTimers) {
    StartUnit();
    for (const char* message : {
             "{87,5,Name Before Settings}",  // no settings yet: no timer
             "{86,1,1,0370,0240,0003}",
             "{86,0,7,0360,0030,0003}",
             "{87,0,Hands Washing       }",
             "{87,1,Too short}",             // undecodable: timer 2 stays open
             "{86,2,-1,0380,0120,0009}",
             "{87,2,Test All Sanitizer  }",
         }) {
        program_->Write(message);
    }
    ASSERT_TRUE(unit_->WaitForMessages(7, kPatience));
    const std::vector<UnitTimer> timers = unit_->Timers();
    ASSERT_EQ(timers.size(), 2u);
    EXPECT_EQ(DescribeTimer(timers[0]), DescribeTimer({0, "Hands Washing", 360, 30, 3, 7}));
    EXPECT_EQ(DescribeTimer(timers[1]), DescribeTimer({2, "Test All Sanitizer", 380, 120, 9, -1}));
}

TEST_F(SimulatedUnitTest, StopsPromptlyWhileTheProgramHoldsTheLine) {
    StartUnit({.answerDelayMs = 60'000});
    program_->Write(kFourMessages[0]);
    ASSERT_TRUE(unit_->WaitForMessages(1, kPatience));
    std::future<void> stopped = std::async(std::launch::async, [&] { unit_->Stop(); });
    EXPECT_EQ(stopped.wait_for(kPatience), std::future_status::ready);
    unit_->Stop();  // a second time is harmless
}

TEST(SimulatedUnit, StartsOnlyOnce) {
    SimulatedUnit unit;
    std::string error;
    ASSERT_TRUE(unit.Start(&error)) << error;
    EXPECT_EQ(unit.DevicePath().rfind("/dev/pts/", 0), 0u) << unit.DevicePath();
    EXPECT_FALSE(unit.Start(&error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace cv
