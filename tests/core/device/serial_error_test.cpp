#include "core/device/serial_error.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace cv
