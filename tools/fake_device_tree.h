#pragma once
// A /dev and /sys tree laid out under a folder of our own the way the Linux
// kernel lays them out for serial ports, so the port map can be tried, shown
// and timed without the machine's own devices. Device nodes are empty files.

#include <string>

namespace cv {

// The strings a USB device reports about itself.
struct UsbIdentity {
    std::string vendorId;   // "0403"
    std::string productId;  // "6001"
    std::string manufacturer;
    std::string product;
};

// Adapters as common desks have them.
UsbIdentity FtdiAdapter();      // FTDI FT232R, a usb-serial ttyUSB
UsbIdentity ProlificAdapter();  // Prolific PL2303, a usb-serial ttyUSB
UsbIdentity CdcAcmDevice();     // a CDC-ACM modem-class ttyACM

class FakeDeviceTree {
public:
    // Lays the tree out under `root`, made if need be.
    explicit FakeDeviceTree(std::string root);

    const std::string& Root() const { return root; }
    // The path of /dev/<name> in the tree.
    std::string Dev(const std::string& name) const;

    // /dev/ttyS<n> of a 16550 UART on the platform bus; `real` false makes one of
    // the placeholders the kernel creates for UARTs that are not there.
    void AddUart(int number, bool real = true);
    // /dev/ttyUSB<n> of a usb-serial adapter: the tty sits below the USB interface.
    void AddUsbSerial(int number, const UsbIdentity& identity);
    // /dev/ttyACM<n> of a CDC-ACM device: the tty's device is the USB interface.
    void AddUsbModem(int number, const UsbIdentity& identity);
    // /dev/<name> as a link to nothing, as a killed virtual-port tool leaves it.
    void AddDanglingLink(const std::string& name);
    // /dev/serial/by-id/<name> linking to /dev/<target>, as udev makes it.
    std::string AddByIdLink(const std::string& name, const std::string& target);
    // /dev/<name> linking to /dev/<target>, as a udev rule's SYMLINK makes it.
    std::string AddDevLink(const std::string& name, const std::string& target);

private:
    // The next USB device's folder under /sys/devices, e.g. ".../usb1/1-3".
    std::string AddUsbDevice(const UsbIdentity& identity);

    std::string root;
    int usbDevices = 0;
};

}  // namespace cv
