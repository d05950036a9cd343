#include "core/device/line_settings.h"

namespace cv {

std::string DescribeLineSettings(const LineSettings& line, int baud) {
    std::string text = baud > 0 ? std::to_string(baud) + " baud, " : "";
    text += "8 data bits, ";
    switch (line.parity) {
        case Parity::None: text += "no parity"; break;
        case Parity::Odd: text += "odd parity"; break;
        case Parity::Even: text += "even parity"; break;
        case Parity::Mark: text += "mark parity"; break;
        case Parity::Space: text += "space parity"; break;
    }
    text += line.stopBits == StopBits::One ? ", 1 stop bit, " : ", 2 stop bits, ";
    switch (line.flowControl) {
        case FlowControl::None: text += "no flow control"; break;
        case FlowControl::RtsCts: text += "RTS/CTS flow control"; break;
        case FlowControl::XonXoff: text += "XON/XOFF flow control"; break;
    }
    return text;
}

}  // namespace cv
