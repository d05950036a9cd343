#pragma once
// What a user can do about a serial port that failed, in the words of the
// system the program runs on: the one part of DescribeSerialError that differs
// between Linux (serial_advice_posix.cpp) and Windows (serial_advice_win32.cpp).
// Each is one or two whole sentences.

#include <string>

#include "core/device/serial_error.h"

namespace cv {

// For a port with no device behind it.
std::string NoDeviceAdvice(const SerialError& error);

// For a device the user may not open.
std::string PermissionAdvice(const SerialError& error);

// For a device another program holds; follows "... is in use by another program."
std::string BusyAdvice(const SerialError& error);

}  // namespace cv
