// cvtimerctl as a user runs it: show, plan, send, ports and emulate.

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/timerfile/timer_file.h"
#include "tests/golden.h"
#include "tests/tools/ctl_fixture.h"
#include "tools/fake_device_tree.h"

namespace cv {
namespace {

using namespace std::chrono_literals;

constexpr const char* kDefaultFile = golden::kDefaultTimerFile;

TEST_F(CtlTest, ShowPrintsTheTimersAsAnAlignedTable) {
    std::string text = kDefaultFile;
    text.replace(text.find("Travel Path"), 41, "Labor Check,1,2,3,4\n");
    text.replace(text.find("Temp Check"), 41, "  Temp Check/PHU    ,0915,1440,0003,-1\n");
    text.replace(text.find("Guest Trac"), 41, "                    ,0540,0240,0003,65535\n");
    // Accents as the terminal shows them, in columns that count characters;
    // a control character escaped.
    text.replace(text.find("Hands Washing"), 13, "Caf\xE9 cr\xE8me\t");
    const Outcome shown = Run({"show", WriteFile("timers.csv", text)});

    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.err, "");
    const std::vector<std::string> lines = Lines(shown.out);
    ASSERT_EQ(lines.size(), 11u) << shown.out;
    EXPECT_EQ(lines[0], "Timer  Name                Start     Repeat    Snooze    Priority");
    EXPECT_EQ(lines[1], "    1  Caf\u00E9 cr\u00E8me\\x09      06:00 AM  00:30 AM  00:03 AM         1");
    EXPECT_EQ(lines[4], "    4  Labor Check         00:01 AM  00:02 AM  00:03 AM         4");
    EXPECT_EQ(lines[5], "    5  \"  Temp Check/PHU\"  03:15 PM  24:00     00:03 AM        -1");
    EXPECT_EQ(lines[8], "    8  \"\"                  09:00 AM  04:00 AM  00:03 AM     65535");
    EXPECT_EQ(lines[10], "   10  Shake Machine       08:00 AM  00:45 AM  00:03 AM         1");
}

TEST_F(CtlTest, PlanPrintsTheRemindersInTimeOrderThenTheClashes) {
    std::string text = kDefaultFile;
    text.replace(text.find("Labor Check"), 41, "Labor Check         ,1500,0240,0003,0001\n");
    const Outcome planned = Run({"plan", WriteFile("timers.csv", text)});

    EXPECT_EQ(planned.status, 0) << planned.err;
    const std::vector<std::string> lines = Lines(planned.out);
    ASSERT_GE(lines.size(), 5u) << planned.out;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"06:00 AM  Hands Washing", "06:10 AM  Beef Cookout Check",
                                        "06:20 AM  Test All Sanitizer", "06:30 AM  Hands Washing",
                                        "06:30 AM  Travel Path"}));
    const std::string clashes = planned.out.substr(planned.out.find("\nClashes:\n"));
    const std::vector<std::string> expected = {
        "06:30 AM  Hands Washing, Travel Path, Temp Check/PHU",
        "09:00 AM  Hands Washing, Holding Time Check, Guest Trac",
        "11:00 PM  Hands Washing, Holding Time Check, Shake Machine",
        "Labor Check starts 25 h after midnight",
    };
    std::size_t at = 0;
    for (const std::string& line : expected) {
        at = clashes.find("\n" + line + "\n", at);
        EXPECT_NE(at, std::string::npos) << line << "\n" << clashes;
    }
}

TEST_F(CtlTest, ShowAndSendRefuseABrokenFileNamingTheLine) {
    std::string fewFields = kDefaultFile;
    fewFields.replace(fewFields.find("Labor Check"), 41, "Labor Check,0540\n");
    const struct {
        std::string text;
        std::string where;
    } cases[] = {{fewFields, "line 7"}, {std::string(kDefaultFile).substr(0, 3 * 41), "line 4"}};
    for (const auto& broken : cases) {
        const std::string path = WriteFile("broken.csv", broken.text);
        for (const std::vector<std::string>& call :
             {std::vector<std::string>{"show", path}, {"send", path, "--device", folder.File("never-opened")}}) {
            const Outcome refused = Run(call);
            EXPECT_EQ(refused.status, 1) << call[0];
            EXPECT_EQ(refused.out, "") << call[0];
            EXPECT_NE(refused.err.find("Cannot Load Timer File"), std::string::npos) << refused.err;
            EXPECT_NE(refused.err.find(broken.where), std::string::npos) << refused.err;
        }
    }
}

TEST_F(CtlTest, SendDeliversWhatTheFileSays) {
    StartUnit();
    const Outcome sent = Run({"send", WriteFile("timers.csv", kDefaultFile), "--device", unit->DevicePath()});

    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_NE(sent.out.find("Sending Timer 10 of 10\n  sent {86,9,1,0480,0045,0003}\n  sent {87,9,Shake Machine       }\n"
                            "Timers Sent to Corvellan\n"),
              std::string::npos)
        << sent.out;
    EXPECT_EQ(unit->Messages().size(), 20u);
    // The unit's view of each timer, written back as a file line, is the line sent.
    std::string received;
    for (const UnitTimer& timer : unit->Timers())
        received += FormatTimerLine({timer.name, static_cast<MinutesOfDay>(timer.startTime),
                                     static_cast<MinutesOfDay>(timer.repeatInterval),
                                     static_cast<MinutesOfDay>(timer.snoozeTime), timer.priority});
    EXPECT_EQ(received, kDefaultFile);
}

TEST_F(CtlTest, SendStopsAtTheFirstTimerTheUnitRefuses) {
    StartUnit({.wrongAnswerAt = 6});
    const Outcome refused = Run({"send", WriteFile("timers.csv", kDefaultFile), "--device", unit->DevicePath()});

    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(unit->Messages().size(), 6u);
    EXPECT_EQ(refused.out.find("Sending Timer 4"), std::string::npos) << refused.out;
    EXPECT_TRUE(refused.err.starts_with(
        "Unable to Send Timers to Corvellan\n"
        "Timer 3 was not sent: the unit answered its name message with \"x\" instead of \"g\".\n"))
        << refused.err;
}

TEST_F(CtlTest, SendFindsTheUnitThroughThePortNumbers) {
    const std::string file = WriteFile("timers.csv", kDefaultFile);
    const struct {
        std::vector<std::string> options;
        std::string settings;  // $ stands for the unit's device
    } cases[] = {
        {{"--port", "1"}, "[Ports]\nCOM1=$\n"},
        {{"--port=7"}, "[SerialComm]\nPortNo=2\n[Ports]\ncom7=$\n"},
        {{}, "[SerialComm]\nPortNo=3\n[Ports]\nCOM3=$\n"},
    };
    for (const auto& route : cases) {
        StartUnit();
        std::string settings = route.settings;
        settings.replace(settings.find('$'), 1, unit->DevicePath());
        WriteFile("CVTimerSystem.ini", settings);
        std::vector<std::string> arguments{"send", file};
        arguments.insert(arguments.end(), route.options.begin(), route.options.end());

        const Outcome sent = Run(arguments);
        EXPECT_EQ(sent.status, 0) << settings << sent.err;
        EXPECT_EQ(unit->Messages().size(), 20u) << settings;
    }
}

TEST_F(CtlTest, SendToAPortWithoutItsDeviceSaysBoth) {
    const std::string gone = folder.File("gone");
    WriteFile("CVTimerSystem.ini", "[Ports]\nCOM2=" + gone + "\n");
    const Outcome failed = Run({"send", WriteFile("timers.csv", kDefaultFile), "--port", "2"});

    EXPECT_EQ(failed.status, 1);
    const std::vector<std::string> lines = Lines(failed.err);
    ASSERT_EQ(lines.size(), 4u) << failed.err;
    EXPECT_EQ(lines[0], "Unable to open selected serial port.");
    EXPECT_NE(lines[1].find(gone), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "Unable to Send Timers to Corvellan");
    EXPECT_EQ(lines[3], "Timer 1 was not sent.");  // the reason is said once, above

    // A device named on the command line is no choice in the Comm Port menu.
    const Outcome direct = Run({"send", folder.File("timers.csv"), "--device", gone});
    EXPECT_EQ(direct.err.find("Comm Port"), std::string::npos) << direct.err;
}

TEST_F(CtlTest, SendRefusesANameTheUnitCannotTakeBeforeSendingAnything) {
    StartUnit();
    std::string text = kDefaultFile;
    text.replace(text.find("Guest Trac"), 13, "Fries {large}");
    const Outcome refused = Run({"send", WriteFile("timers.csv", text), "--device", unit->DevicePath()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(refused.err.starts_with("Unable to Send Timers to Corvellan\nTimer 8's name holds \"{\""))
        << refused.err;
    EXPECT_TRUE(unit->Messages().empty());
}

TEST_F(CtlTest, SendRefusesALineSettingItDoesNotKnowBeforeSendingAnything) {
    StartUnit();
    const std::string settings = WriteFile("CVTimerSystem.ini", "[SerialComm]\nFlowControl=RTS\n");
    const Outcome refused = Run({"send", WriteFile("timers.csv", kDefaultFile), "--device", unit->DevicePath()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Unable to Send Timers to Corvellan\n" + settings +
                               ", line 2: \"FlowControl=RTS\" is not a flow control CV Timer knows. Write "
                               "FlowControl=None, RtsCts or XonXoff, or remove the line for no flow control. "
                               "Nothing is sent until then.\n");
    EXPECT_TRUE(unit->Messages().empty());
}

TEST_F(CtlTest, AHugeSettingsFileIsNamedAndLeftAlone) {
    const std::string huge(2 * 1024 * 1024, '\n');
    const std::string settings = WriteFile("CVTimerSystem.ini", huge);
    const Outcome listed = Run({"ports", "--root", folder.File("no-root")});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(Lines(listed.err), std::vector<std::string>{"cvtimerctl: " + settings + " is larger than 1 MiB, far too large "
                                                         "for a settings file. It is left as it is, and port 1 is used."});
    EXPECT_EQ(LineStarting(listed.out, "* port"), "* port 1, used because " + settings + " was not read (see above)");
    EXPECT_EQ(ReadBytes(settings), huge);
}

TEST_F(CtlTest, InterruptCancelsTheSend) {
    StartUnit({.silentFrom = 1});
    Ctl ctl(folder.Path(), {"send", WriteFile("timers.csv", kDefaultFile), "--device", unit->DevicePath()});
    ASSERT_TRUE(unit->WaitForMessages(1, 10s));
    ctl.Signal(SIGINT);
    const Outcome cancelled = ctl.Finish();

    EXPECT_EQ(cancelled.status, 130);
    EXPECT_NE(cancelled.err.find("Timer 1 was not sent: sending was cancelled."), std::string::npos) << cancelled.err;
    EXPECT_LE(unit->Messages().size(), 2u);
}

TEST_F(CtlTest, UsageMistakesExitWithTwoAndHelpWithZero) {
    const std::string file = WriteFile("timers.csv", kDefaultFile);
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string usage;  // the usage line expected on stdout (0) or stderr (2)
    } cases[] = {
        {{}, 2, "Usage: cvtimerctl <command>"},
        {{"--help"}, 0, "  ports      list the serial ports"},
        {{"show"}, 2, "Usage: cvtimerctl show FILE"},
        {{"show", file, file}, 2, "Usage: cvtimerctl show FILE"},
        {{"show", "--help"}, 0, "Usage: cvtimerctl show FILE"},
        {{"plan", file, file}, 2, "Usage: cvtimerctl plan FILE"},
        {{"send"}, 2, "Usage: cvtimerctl send FILE"},
        {{"send", file, "--port", "1", "--device", "/dev/null"}, 2, "Usage: cvtimerctl send FILE"},
        {{"send", file, "--port", "0"}, 2, "Usage: cvtimerctl send FILE"},
        {{"send", file, "--port"}, 2, "Usage: cvtimerctl send FILE"},
        {{"emulate", "--delay", "-0"}, 2, "Usage: cvtimerctl emulate"},
        {{"send", "--help"}, 0, "Usage: cvtimerctl send FILE"},
        {{"ports", "extra"}, 2, "Usage: cvtimerctl ports"},
        {{"ports", "--help"}, 0, "Usage: cvtimerctl ports"},
    };
    for (const auto& call : cases) {
        const Outcome outcome = Run(call.arguments);
        const std::string& text = call.status == 0 ? outcome.out : outcome.err;
        const std::string shown = call.arguments.empty() ? "(none)" : call.arguments[0] + " ...";
        EXPECT_EQ(outcome.status, call.status) << shown;
        EXPECT_NE(text.find(call.usage), std::string::npos) << shown << "\n" << text;
    }
}

TEST_F(CtlTest, PortsListsWhatEachPortReachesAndMarksTheChosenOne) {
    FakeDeviceTree tree(folder.File("root"));
    tree.AddUart(0);
    tree.AddUsbSerial(0, FtdiAdapter());
    const std::string named = folder.File("named");
    WriteFile("named", "");
    // Port 20 reaches a device, port 30 does not: only port 20 follows Port 12.
    WriteFile("CVTimerSystem.ini", "[SerialComm]\nPortNo=2\n[Ports]\nCOM3=" + folder.File("gone") +
                                       "\nCOM5=" + named + "\nCOM20=" + named + "\nCOM30=" + folder.File("gone") +
                                       "\n");

    const Outcome listed = Run({"ports", "--root", tree.Root()});
    EXPECT_EQ(listed.status, 0) << listed.err;
    const struct {
        std::string prefix;
        std::vector<std::string> words;  // in this order on the line
    } expected[] = {
        {"   Port 1 ", {tree.Dev("ttyS0"), "present", "built-in serial port"}},
        {"*  Port 2 ", {tree.Dev("ttyUSB0"), "present", "FT232R USB UART (FTDI)"}},
        {"   Port 3 ", {folder.File("gone"), "(from settings)", "missing"}},
        {"   Port 4 ", {"-", "no device"}},
        {"   Port 5 ", {named, "(from settings)", "present"}},
        {"   Port 12", {"-", "no device"}},
        {"   Port 20", {named, "(from settings)", "present"}},
    };
    for (const auto& port : expected) {
        const std::string line = LineStarting(listed.out, port.prefix);
        std::size_t at = 0;
        for (const std::string& word : port.words) {
            at = line.find(word, at);
            EXPECT_NE(at, std::string::npos) << "'" << word << "' in '" << line << "'";
        }
    }
    EXPECT_EQ(LineStarting(listed.out, "*").find("Port 2 "), 3u) << listed.out;
    EXPECT_EQ(listed.out.find("Port 30"), std::string::npos) << listed.out;
}

}  // namespace
}  // namespace cv
