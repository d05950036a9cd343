#include "core/device/line_settings.h"

#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/timers/sentence.h"

namespace cv {

std::string DescribeLineSettings(const LineSettings& line, int baud) {
    std::vector<std::string> parts;
    if (baud > 0) parts.push_back(FillPlaceholders(Tr("LineSettings", "%1 baud"), {std::to_string(baud)}));
    parts.push_back(Tr("LineSettings", "8 data bits"));
    switch (line.parity) {
        case Parity::None: parts.push_back(Tr("LineSettings", "no parity")); break;
        case Parity::Odd: parts.push_back(Tr("LineSettings", "odd parity")); break;
        case Parity::Even: parts.push_back(Tr("LineSettings", "even parity")); break;
        case Parity::Mark: parts.push_back(Tr("LineSettings", "mark parity")); break;
        case Parity::Space: parts.push_back(Tr("LineSettings", "space parity")); break;
    }
    parts.push_back(line.stopBits == StopBits::One ? Tr("LineSettings", "1 stop bit") : Tr("LineSettings", "2 stop bits"));
    switch (line.flowControl) {
        case FlowControl::None: parts.push_back(Tr("LineSettings", "no flow control")); break;
        case FlowControl::RtsCts: parts.push_back(Tr("LineSettings", "RTS/CTS flow control")); break;
        case FlowControl::XonXoff: parts.push_back(Tr("LineSettings", "XON/XOFF flow control")); break;
    }
    return JoinCommas(parts);
}

}  // namespace cv
