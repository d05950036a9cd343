#include "core/device/serial_error.h"

#include "core/device/port_map.h"
#include "core/device/serial_advice.h"
#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

// One sentence about the device: `named` with %1 for its name, or `unnamed`
// when the error does not say which device; %2 is the system's own words.
std::string AboutDevice(const SerialError& error, const std::string& named, const std::string& unnamed) {
    if (error.device.empty()) return FillPlaceholders(unnamed, {error.systemText});
    return FillPlaceholders(named, {DisplayDeviceName(error.device), error.systemText});
}

std::string WithAdvice(const std::string& sentence, const std::string& advice) { return sentence + " " + advice; }

}  // namespace

std::string DescribeSerialError(const SerialError& error) {
    const bool said = !error.systemText.empty();
    switch (error.kind) {
        case SerialErrorKind::None:
            return Tr("SerialError", "No error.");
        case SerialErrorKind::NoDevice:
            if (error.device.empty()) {
                const std::string none =
                    error.port > 0
                        ? FillPlaceholders(Tr("SerialError", "No serial device is connected for port %1."),
                                           {std::to_string(error.port)})
                        : Tr("SerialError", "No serial device is connected.");
                return WithAdvice(none, NoDeviceAdvice(error));
            }
            return WithAdvice(FillPlaceholders(Tr("SerialError", "There is no serial device %1."),
                                               {DisplayDeviceName(error.device)}),
                              NoDeviceAdvice(error));
        case SerialErrorKind::PermissionDenied:
            return WithAdvice(AboutDevice(error, Tr("SerialError", "Permission denied opening %1."),
                                          Tr("SerialError", "Permission denied opening the serial device.")),
                              PermissionAdvice(error));
        case SerialErrorKind::Busy:
            return WithAdvice(AboutDevice(error, Tr("SerialError", "%1 is in use by another program."),
                                          Tr("SerialError", "The serial device is in use by another program.")),
                              BusyAdvice(error));
        case SerialErrorKind::NotSerial:
            return AboutDevice(error, Tr("SerialError", "%1 is not a serial device. Choose another port."),
                               Tr("SerialError", "The device is not a serial device. Choose another port."));
        case SerialErrorKind::Vanished:
            return AboutDevice(error, Tr("SerialError", "%1 was disconnected. Reconnect it and try again."),
                               Tr("SerialError", "The serial device was disconnected. Reconnect it and try again."));
        case SerialErrorKind::TimedOut:
            return AboutDevice(error,
                               Tr("SerialError", "%1 did not respond in time. Check that the unit is connected "
                                                 "and switched on, then try again."),
                               Tr("SerialError", "The serial device did not respond in time. Check that the unit "
                                                 "is connected and switched on, then try again."));
        case SerialErrorKind::BadSettings:
            if (said)
                return AboutDevice(error, Tr("SerialError", "%1 does not accept the line settings (%2)."),
                                   Tr("SerialError", "The serial device does not accept the line settings (%1)."));
            return AboutDevice(error, Tr("SerialError", "%1 does not accept the line settings."),
                               Tr("SerialError", "The serial device does not accept the line settings."));
        case SerialErrorKind::System:
            break;
    }
    if (said)
        return AboutDevice(error, Tr("SerialError", "Cannot use %1 (%2)."),
                           Tr("SerialError", "Cannot use the serial device (%1)."));
    return AboutDevice(error, Tr("SerialError", "Cannot use %1."), Tr("SerialError", "Cannot use the serial device."));
}

}  // namespace cv
