#include "core/settings/line_setting.h"

#include <gtest/gtest.h>

#include "core/settings/port_setting.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

TEST(ReadLineSettings, AbsentMeansEightNOneAndValuesReadInAnyCase) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    EXPECT_EQ(ReadLineSettings(path).settings, LineSettings{});

    WriteBytes(path, "[SerialComm]\r\nPortNo=3\r\nParity=\r\n");
    EXPECT_EQ(ReadLineSettings(path).settings, LineSettings{});
    EXPECT_EQ(ReadLineSettings(path).problem, "");

    WriteBytes(path, "[serialcomm]\nPortNo=3\nparity = EVEN\nStopBits='2'\nFlowControl=rtscts\n");
    const LineSettingsReading reading = ReadLineSettings(path);
    EXPECT_EQ(reading.settings, (LineSettings{Parity::Even, StopBits::Two, FlowControl::RtsCts}));
    EXPECT_EQ(reading.problem, "");
}

TEST(ReadLineSettings, AnUnknownValueIsNamedWithItsFileAndLine) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "; kitchen 2\r\n[SerialComm]\r\nPortNo=3\r\nStopBits=1.5\r\nFlowControl=Hardware\r\n");
    const LineSettingsReading reading = ReadLineSettings(path);
    EXPECT_EQ(reading.problem, path + ", line 4: \"StopBits=1.5\" is not a number of stop bits CV Timer knows. "
                                      "Write StopBits=1 or 2, or remove the line for 1 stop bit. "
                                      "Nothing is sent until then.");
    EXPECT_EQ(reading.settings, LineSettings{});
}

TEST(ReadLineSettings, AnUnknownKeyIsNamedAndAQuotedValueIsCleanedAndCutShort) {
    TempFolder folder;
    const std::string path = SettingsPathIn(folder.Path());
    WriteBytes(path, "[SerialComm]\nPortNo=3\nDataBits=\n Partiy = Even\n[Ports]\nCOM1=/dev/ttyUSB0\n");
    EXPECT_EQ(ReadLineSettings(path).problem,
              path + ", line 4: \"Partiy=Even\" is not a line setting CV Timer knows. [SerialComm] takes PortNo, "
                     "Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data bits, no "
                     "parity, 1 stop bit and no flow control. Nothing is sent until then.");

    WriteBytes(path, "[SerialComm]\nParity=\x1B[31mEven" + std::string(1, '\0') + "x" + std::string(60, 'y') + "\n");
    const std::string problem = ReadLineSettings(path).problem;
    EXPECT_NE(problem.find("\"Parity=\xEF\xBF\xBD[31mEven\xEF\xBF\xBDx" + std::string(29, 'y') + "...\" is not a parity"),
              std::string::npos)
        << problem;
}

}  // namespace
}  // namespace cv
