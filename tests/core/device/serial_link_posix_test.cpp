#include "core/device/serial_link.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace cv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// The far end of the line: a pseudo-terminal master whose slave the link opens.
class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) slave_ = ::ptsname(master_);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~Pty() { CloseMaster(); }
    void CloseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    const std::string& Slave() const { return slave_; }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // What the link sent, once `count` bytes are there or the deadline passed.
    std::string Receive(std::size_t count) {
        std::string got;
        const auto deadline = Clock::now() + 5s;
        while (got.size() < count && Clock::now() < deadline) {
            pollfd entry{master_, POLLIN, 0};
            if (::poll(&entry, 1, 100) <= 0) continue;
            char chunk[256];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n > 0) got.append(chunk, std::size_t(n));
        }
        return got;
    }

private:
    int master_ = -1;
    std::string slave_;
};

TEST(SerialLink, WritesBytesThatArriveAtTheFarEnd) {
    Pty pty;
    ASSERT_FALSE(pty.Slave().empty());
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600)) << DescribeSerialError(link.LastError());
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.DevicePath(), pty.Slave());
    const std::string message = "{0,0360,0030,0003,1}\r\n";  // CR/LF must pass untranslated
    EXPECT_EQ(link.Write(message.data(), int(message.size())), int(message.size()));
    EXPECT_EQ(pty.Receive(message.size()), message);
}

TEST(SerialLink, ReadsOnlyWhatIsWaitingAndNeverBlocks) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600));
    char buffer[16] = {};
    EXPECT_EQ(link.Read(buffer, 1), 0);
    EXPECT_FALSE(link.WaitForInput(20ms));
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::TimedOut);

    pty.Send("gabcd");
    EXPECT_TRUE(link.WaitForInput(5s));
    ASSERT_TRUE(WaitUntil([&] { return link.BytesWaiting() == 5; }));
    EXPECT_EQ(link.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 'g');
    EXPECT_EQ(link.BytesWaiting(), 4);
    EXPECT_EQ(link.Read(buffer, int(sizeof buffer)), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");

    pty.Send("xyz");
    ASSERT_TRUE(WaitUntil([&] { return link.BytesWaiting() == 3; }));
    link.DiscardInput();
    EXPECT_EQ(link.BytesWaiting(), 0);
    EXPECT_TRUE(link.IsOpen());
}

TEST(SerialLink, HoldsTheDeviceExclusively) {
    Pty pty;
    SerialLink first, second;
    ASSERT_TRUE(first.OpenDevice(pty.Slave(), 9600));
    EXPECT_FALSE(second.OpenDevice(pty.Slave(), 9600));
    EXPECT_EQ(second.LastError().kind, SerialErrorKind::Busy);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_TRUE(first.Close());
    EXPECT_TRUE(second.OpenDevice(pty.Slave(), 9600)) << DescribeSerialError(second.LastError());
}

// Root passes both the permission bits and TIOCEXCL.
TEST(SerialLink, RefusesWithoutPermissionAndShutsOutOtherOpens) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may open any device, exclusive or not";
    Pty pty;
    SerialLink link;
    ASSERT_EQ(::chmod(pty.Slave().c_str(), 0), 0);
    EXPECT_FALSE(link.OpenDevice(pty.Slave(), 9600));
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::PermissionDenied);
    EXPECT_NE(DescribeSerialError(link.LastError()).find("'dialout' group"), std::string::npos);

    ASSERT_EQ(::chmod(pty.Slave().c_str(), 0600), 0);
    ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600)) << DescribeSerialError(link.LastError());
    EXPECT_EQ(::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC), -1);
    EXPECT_EQ(errno, EBUSY);
}

TEST(SerialLink, OpenWhileOpenKeepsTheFirstDevice) {
    Pty first, other;
    SerialLink link;
    link.SetPortResolver([&](int) { return PortLookup{true, other.Slave(), false, ""}; });
    ASSERT_TRUE(link.OpenDevice(first.Slave(), 9600));
    EXPECT_TRUE(link.OpenDevice(other.Slave(), 19200));
    EXPECT_TRUE(link.Open(3, 9600));
    EXPECT_EQ(link.DevicePath(), first.Slave());
    EXPECT_EQ(link.Write("{", 1), 1);
    EXPECT_EQ(first.Receive(1), "{");
}

TEST(SerialLink, WriteThatCannotDrainTimesOut) {
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600));
    link.SetWriteTimeout(300ms);
    const std::vector<char> flood(256 * 1024, 'x');
    const auto start = Clock::now();
    EXPECT_EQ(link.Write(flood.data(), int(flood.size())), 0);
    const auto took = Clock::now() - start;
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::TimedOut);
    EXPECT_GE(took, 250ms);
    EXPECT_LT(took, 3s);
    EXPECT_TRUE(link.IsOpen());
}

TEST(SerialLink, FarEndGoingAwayClosesTheLink) {
    const std::pair<const char*, std::function<void(SerialLink&)>> operations[] = {
        {"Write", [](SerialLink& link) { EXPECT_EQ(link.Write("{", 1), 0); }},
        {"Read", [](SerialLink& link) { char c; EXPECT_EQ(link.Read(&c, 1), 0); }},
        {"BytesWaiting", [](SerialLink& link) { EXPECT_EQ(link.BytesWaiting(), 0); }},
        {"WaitForInput", [](SerialLink& link) { EXPECT_FALSE(link.WaitForInput(1s)); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        Pty pty;
        SerialLink link;
        ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600));
        pty.CloseMaster();
        operation(link);
        EXPECT_EQ(link.LastError().kind, SerialErrorKind::Vanished);
        EXPECT_FALSE(link.IsOpen());

        Pty replacement;
        EXPECT_TRUE(link.OpenDevice(replacement.Slave(), 9600));
    }
}

TEST(SerialLink, RefusesWhatIsNotASerialDevice) {
    char file[] = "/tmp/cv-serial-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const std::pair<std::string, SerialErrorKind> cases[] = {
        {file, SerialErrorKind::NotSerial},
        {"/dev/null", SerialErrorKind::NotSerial},
        {std::string(file) + "-missing", SerialErrorKind::NoDevice},
    };
    for (const auto& [path, kind] : cases) {
        SerialLink link;
        EXPECT_FALSE(link.OpenDevice(path, 9600)) << path;
        EXPECT_FALSE(link.IsOpen()) << path;
        EXPECT_EQ(link.LastError().kind, kind) << path;
        EXPECT_NE(DescribeSerialError(link.LastError()).find(path), std::string::npos) << path;
    }
    ::unlink(file);
}

TEST(SerialLink, RefusesWhatItCannotOpen) {
    Pty pty;
    SerialLink link;
    EXPECT_FALSE(link.OpenDevice(pty.Slave(), 12345));
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::BadSettings);
    EXPECT_FALSE(link.IsOpen());

    link.SetPortResolver([](int) { return PortLookup{false, "", false, "no serial device for port 15 (0 found)"}; });
    EXPECT_FALSE(link.Open(15, 9600));
    EXPECT_EQ(link.LastError().kind, SerialErrorKind::NoDevice);
    EXPECT_EQ(DescribeSerialError(link.LastError()).rfind("No serial device is connected for port 15.", 0), 0u);
    EXPECT_EQ(link.Write("{", 1), 0);
}

TEST(SerialLink, CloseRestoresTheSettingsItFound) {
    Pty pty;
    // A second descriptor on the same terminal watches the settings from outside.
    const int watcher = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(watcher, 0);
    termios before{}, during{}, after{};
    ASSERT_EQ(::tcgetattr(watcher, &before), 0);
    ASSERT_TRUE(before.c_lflag & ECHO);

    SerialLink link;
    ASSERT_TRUE(link.OpenDevice(pty.Slave(), 9600));
    ASSERT_EQ(::tcgetattr(watcher, &during), 0);
    EXPECT_FALSE(during.c_lflag & (ECHO | ICANON));
    EXPECT_FALSE(during.c_oflag & OPOST);
    EXPECT_EQ(during.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(cfgetospeed(&during), speed_t(B9600));

    EXPECT_TRUE(link.Close());
    EXPECT_TRUE(link.Close());
    ASSERT_EQ(::tcgetattr(watcher, &after), 0);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    ::close(watcher);
}

// Another program left the port in 2 stop bits, RTS/CTS and XON/XOFF (a pseudo-terminal
// keeps those four); whatever is asked is what the port gets, and what it cannot take
// is refused rather than sent in some other framing.
TEST(SerialLink, SetsTheWholeLineWhateverWasLeftOnThePort) {
    constexpr tcflag_t kLeftOver = CSTOPB | CRTSCTS;
    struct Case {
        LineSettings line;
        tcflag_t controlBits;  // of CSTOPB | CRTSCTS | PARENB
        tcflag_t inputBits;    // of IXON | IXOFF
        bool takes;
    };
    const Case cases[] = {
        {{}, 0, 0, true},
        {{Parity::None, StopBits::Two, FlowControl::RtsCts}, CSTOPB | CRTSCTS, 0, true},
        {{Parity::None, StopBits::One, FlowControl::XonXoff}, 0, IXON | IXOFF, true},
        {{Parity::Even, StopBits::One, FlowControl::None}, PARENB, 0, false},  // a pty has no parity
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeLineSettings(c.line));
        Pty pty;
        const int watcher = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(watcher, 0);
        termios left{};
        ASSERT_EQ(::tcgetattr(watcher, &left), 0);
        left.c_cflag |= kLeftOver;
        left.c_iflag |= IXON | IXOFF;
        ASSERT_EQ(::tcsetattr(watcher, TCSANOW, &left), 0);

        SerialLink link;
        EXPECT_EQ(link.OpenDevice(pty.Slave(), 9600, c.line), c.takes);
        if (c.takes) {
            termios during{};
            ASSERT_EQ(::tcgetattr(watcher, &during), 0);
            EXPECT_EQ(during.c_cflag & (CSTOPB | CRTSCTS | PARENB), c.controlBits);
            EXPECT_EQ(during.c_iflag & (IXON | IXOFF), c.inputBits);
            EXPECT_EQ(during.c_cflag & CSIZE, tcflag_t(CS8));
        } else {
            EXPECT_EQ(link.LastError().kind, SerialErrorKind::BadSettings);
            EXPECT_NE(DescribeSerialError(link.LastError()).find("did not take 9600 baud, 8 data bits, even parity"),
                      std::string::npos)
                << DescribeSerialError(link.LastError());
        }
        ::close(watcher);
    }
}

TEST(DescribeSerialError, GivesLinuxAdvice) {
    EXPECT_NE(DescribeSerialError({SerialErrorKind::PermissionDenied, "/dev/ttyUSB0", ""}).find("'dialout' group"),
              std::string::npos);
}

}  // namespace
}  // namespace cv
