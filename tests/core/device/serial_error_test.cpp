#include "core/device/serial_error.h"

#include <gtest/gtest.h>

#include "tests/marked_texts.h"

namespace cv {
namespace {

TEST(DescribeSerialError, NamesTheDeviceAndTheWayOut) {
    for (SerialErrorKind kind : {SerialErrorKind::NoDevice, SerialErrorKind::PermissionDenied, SerialErrorKind::Busy,
                                 SerialErrorKind::NotSerial, SerialErrorKind::Vanished, SerialErrorKind::TimedOut,
                                 SerialErrorKind::BadSettings, SerialErrorKind::System}) {
        const std::string text = DescribeSerialError({kind, "/dev/ttyUSB7", "Input/output error"});
        EXPECT_NE(text.find("/dev/ttyUSB7"), std::string::npos) << text;
    }
    const SerialError system{SerialErrorKind::System, "/dev/ttyS0", "Input/output error"};
    EXPECT_NE(DescribeSerialError(system).find("Input/output error"), std::string::npos);
}

TEST(DescribeSerialError, ComesFromTheLanguageAsWholeSentences) {
    const MarkedTexts marked;
    EXPECT_EQ(DescribeSerialError({SerialErrorKind::Vanished, "/dev/ttyUSB7", "end of file"}),
              "[[/dev/ttyUSB7 was disconnected. Reconnect it and try again.]]");
    // The advice that follows is a sentence of its own, in the words of each system.
    const std::string none = DescribeSerialError({SerialErrorKind::NoDevice, "", "", 3});
    EXPECT_EQ(none.rfind("[[No serial device is connected for port 3.]] [[", 0), 0u) << none;
    EXPECT_EQ(none.substr(none.size() - 2), "]]");
}

}  // namespace
}  // namespace cv
