#pragma once
// Which program holds a serial device, where the system can say, so that a
// busy port is reported with its holder ("cvtimer, process 4242") rather than
// as a riddle.

#include <optional>
#include <string>

namespace cv {

struct PortHolder {
    std::string program;  // the program's name as the system knows it ("cvtimer")
    long process = 0;
};

// The first other process found with the device open; nothing when none is
// found or the system cannot say (Windows keeps the holder of a COM port to
// itself without administrator rights).
std::optional<PortHolder> FindPortHolder(const std::string& devicePath);

}  // namespace cv
