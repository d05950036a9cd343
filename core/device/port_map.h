#pragma once
// Which device a port number of the Comm Port menu stands for.

#include <map>
#include <string>
#include <vector>

#include "core/device/port_overrides.h"

namespace cv {

struct PortLookup {
    bool found = false;
    std::string device;
    bool fromSettings = false;  // the device was named in the settings file
    std::string reason;         // why nothing was found
};

// Serial devices present now, in counting order.
// Linux: the /dev/ttyS* that are real ports (their sysfs type is not 0; the kernel
// creates placeholders for absent UARTs), then /dev/ttyUSB*, then /dev/ttyACM*, each
// group in numeric order. An entry that reaches nothing (a link left behind by a
// tool that made it) is no device. `root` replaces "/" for both /dev and /sys.
// Windows: the COM ports the system lists, by number, as "\\.\COM3"; no root.
std::vector<std::string> ListSerialDevices(const std::string& root = "/");

// One look at the serial devices: the list ListSerialDevices gives, and what is
// plugged in behind each where the system tells.
struct SerialDeviceScan {
    std::vector<std::string> devices;
    std::map<std::string, std::string> names;  // by the port map's own key for a device
};
SerialDeviceScan ScanSerialDevices(const std::string& root = "/");

// What is plugged in behind `device`, in the words of its maker or the system:
// "FT232R USB UART (FTDI)", "USB Serial Port (FTDI)", "built-in serial port".
// Empty when nothing tells (a pseudo-terminal, an unplugged adapter, no device).
// `device` may be another name for a device: a link such as /dev/serial/by-id/...
// or an alias a udev rule made in /dev, or "COM7" for "\\.\COM7".
// Linux: /dev/ttyUSB* and /dev/ttyACM* by the USB device's manufacturer and
// product strings in sysfs, a real /dev/ttyS* as a built-in serial port.
// Windows: the port's entry in the system's device information (Ports class).
std::string DeviceHardwareName(const std::string& device, const std::string& root = "/");
// The same from a scan already made, without looking again.
std::string HardwareNameIn(const SerialDeviceScan& scan, const std::string& device);

// How many times this process has listed the system's serial devices, so a check
// can tell whether a look was made.
unsigned long SerialDeviceLooks();

// The device for port `port` (1-based). A port named in `overrides` is that device,
// whether it exists or not.
// Linux: the override as written. The other ports count through the present devices,
// leaving out the devices the overrides name and the numbers they take.
// Windows: an override "COM7" means "\\.\COM7", anything else is taken as written.
// Every other port n is "\\.\COMn", present or not; `root` is not used.
PortLookup FindPortDevice(int port, const PortOverrides& overrides, const std::string& root = "/");
// The same for each of `ports`, in that order, counting through `present`, a list
// ListSerialDevices made.
std::vector<PortLookup> FindPortDevicesAmong(const std::vector<int>& ports, const PortOverrides& overrides,
                                             const std::vector<std::string>& present);

// Every port that reaches a serial device present now, by number, with that device.
// A port named in `overrides` counts when the device named for it is present.
// Linux: the other ports count through the present devices as FindPortDevice does.
// Windows: port n for every COMn the system lists, unless `overrides` names another
// device for n; `root` is not used.
std::map<int, std::string> ListPresentPorts(const PortOverrides& overrides, const std::string& root = "/");
// The same, from `present`, a list ListSerialDevices made.
std::map<int, std::string> ListPresentPortsAmong(const PortOverrides& overrides,
                                                 const std::vector<std::string>& present);

// The device a user means by `name`. Windows: "COM7" (any case) is "\\.\COM7", the
// form that also reaches COM10 and above. Anything else, and everything on Linux,
// as written.
std::string DeviceFromUserName(const std::string& name);

// Whether `device` is there now; one that is present may still be in use. Asks
// the system's device list and never opens the device (an open raises DTR and
// holds the port, which hovering over a menu must not do).
bool DevicePresent(const std::string& device);

// How messages and tips name a device. Windows: "COM5" for "\\.\COM5", the name
// Device Manager shows; anything else as given. Linux: as given.
std::string DisplayDeviceName(const std::string& device);

}  // namespace cv
