#pragma once
// How the bytes go on the line besides speed and size: parity, stop bits and
// flow control. A Corvellan unit takes 8 data bits, no parity, 1 stop bit and
// no flow control; a site whose cable or converter needs something else says
// so in the settings file. Every field is set on open, whatever another
// program left on the port.

#include <string>

namespace cv {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, Two };
enum class FlowControl { None, RtsCts, XonXoff };

struct LineSettings {
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    FlowControl flowControl = FlowControl::None;

    bool operator==(const LineSettings&) const = default;
};

// "8 data bits, no parity, 1 stop bit, no flow control", with `baud` in front
// when it is not 0: what a message says the line was asked to take.
std::string DescribeLineSettings(const LineSettings& line, int baud = 0);

}  // namespace cv
