#include "core/device/serial_link.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include <algorithm>
#include <iterator>

namespace cv {

namespace {

// The rates both termios and the Win32 comm API can set on any port.
constexpr int kSupportedBauds[] = {1200, 1800, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};

}  // namespace

SerialLink::SerialLink() { SetPortResolver(nullptr); }

SerialLink::~SerialLink() { Close(); }

void SerialLink::SetPortResolver(PortResolver resolver) {
    if (resolver) {
        resolver_ = std::move(resolver);
    } else {
        resolver_ = [](int port) { return FindPortDevice(port, {}); };
    }
}

bool SerialLink::Open(std::uint16_t portNumber, int baud, const LineSettings& line) {
    if (IsOpen()) return true;
    const PortLookup lookup = resolver_(portNumber);
    if (!lookup.found) {
        devicePath_.clear();
        lastError_ = {SerialErrorKind::NoDevice, "", lookup.reason, portNumber};
        return false;
    }
    if (OpenDevice(lookup.device, baud, line)) return true;
    lastError_.port = portNumber;
    return false;
}

bool SerialLink::OpenDevice(const std::string& path, int baud, const LineSettings& line) {
    if (IsOpen()) return true;
    devicePath_ = path;
    lastError_ = {};
    if (std::find(std::begin(kSupportedBauds), std::end(kSupportedBauds), baud) == std::end(kSupportedBauds))
        return Fail(SerialErrorKind::BadSettings, FillPlaceholders(Tr("SerialLink", "unsupported baud rate %1"), {std::to_string(baud)}));
    return OpenPort(path, baud, line);
}

bool SerialLink::Close() {
    Release();
    return true;
}

bool SerialLink::Fail(SerialErrorKind kind, const std::string& systemText) {
    lastError_ = {kind, devicePath_, systemText};
    // A wait that ran out leaves the device as it was; anything else may have left
    // the handle dead, and only a fresh open tells.
    if (kind != SerialErrorKind::TimedOut) Release();
    return false;
}

bool SerialLink::FailOpen(SerialErrorKind kind, const std::string& systemText) {
    Release();
    return Fail(kind, systemText);
}

SerialLink& TheSerialLink() {
    static SerialLink link;
    return link;
}

}  // namespace cv
