#include "tools/fake_device_tree.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace cv {

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Links are relative, as sysfs and udev make them, so they hold inside the tree.
void Link(const std::string& target, const fs::path& link) {
    std::error_code ignored;
    fs::create_directories(link.parent_path(), ignored);
    fs::remove(link, ignored);
    fs::create_symlink(target, link, ignored);
}

}  // namespace

UsbIdentity FtdiAdapter() { return {"0403", "6001", "FTDI", "FT232R USB UART"}; }
UsbIdentity ProlificAdapter() { return {"067b", "2303", "Prolific Technology Inc.", "USB-Serial Controller"}; }
UsbIdentity CdcAcmDevice() { return {"0483", "5740", "STMicroelectronics", "STM32 Virtual ComPort"}; }

FakeDeviceTree::FakeDeviceTree(std::string root) : root(std::move(root)) {
    fs::create_directories(fs::path(this->root) / "dev");
    fs::create_directories(fs::path(this->root) / "sys/class/tty");
}

std::string FakeDeviceTree::Dev(const std::string& name) const { return (fs::path(root) / "dev" / name).string(); }

void FakeDeviceTree::AddUart(int number, bool real) {
    const std::string name = "ttyS" + std::to_string(number);
    // A UART the firmware announces sits on the PNP bus; the placeholders hang
    // off the 8250 driver's platform device.
    const std::string parent = real ? "devices/pnp0/00:0" + std::to_string(number) : "devices/platform/serial8250";
    const fs::path tty = fs::path(root) / "sys" / parent / "tty" / name;
    Write(tty / "type", real ? "4\n" : "0\n");
    if (real) Link("../../../00:0" + std::to_string(number), tty / "device");
    Link("../../" + parent + "/tty/" + name, fs::path(root) / "sys/class/tty" / name);
    Write(Dev(name), "");
}

std::string FakeDeviceTree::AddUsbDevice(const UsbIdentity& identity) {
    const std::string folder = "devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(++usbDevices);
    const fs::path device = fs::path(root) / "sys" / folder;
    Write(device / "idVendor", identity.vendorId + "\n");
    Write(device / "idProduct", identity.productId + "\n");
    if (!identity.manufacturer.empty()) Write(device / "manufacturer", identity.manufacturer + "\n");
    if (!identity.product.empty()) Write(device / "product", identity.product + "\n");
    return folder;
}

void FakeDeviceTree::AddUsbSerial(int number, const UsbIdentity& identity) {
    const std::string name = "ttyUSB" + std::to_string(number);
    const std::string device = AddUsbDevice(identity);
    const std::string interface = device + "/" + fs::path(device).filename().string() + ":1.0";
    const std::string tty = interface + "/" + name + "/tty/" + name;
    Write(fs::path(root) / "sys" / tty / "dev", "188:" + std::to_string(number) + "\n");
    Link("../../../" + name, fs::path(root) / "sys" / tty / "device");
    Link("../../" + tty, fs::path(root) / "sys/class/tty" / name);
    Write(Dev(name), "");
}

void FakeDeviceTree::AddUsbModem(int number, const UsbIdentity& identity) {
    const std::string name = "ttyACM" + std::to_string(number);
    const std::string device = AddUsbDevice(identity);
    const std::string interfaceName = fs::path(device).filename().string() + ":1.0";
    const std::string tty = device + "/" + interfaceName + "/tty/" + name;
    Write(fs::path(root) / "sys" / tty / "dev", "166:" + std::to_string(number) + "\n");
    Link("../../../" + interfaceName, fs::path(root) / "sys" / tty / "device");
    Link("../../" + tty, fs::path(root) / "sys/class/tty" / name);
    Write(Dev(name), "");
}

void FakeDeviceTree::AddDanglingLink(const std::string& name) { Link("pts/99", Dev(name)); }

std::string FakeDeviceTree::AddByIdLink(const std::string& name, const std::string& target) {
    const fs::path link = fs::path(root) / "dev/serial/by-id" / name;
    Link("../../" + target, link);
    return link.string();
}

std::string FakeDeviceTree::AddDevLink(const std::string& name, const std::string& target) {
    Link(target, Dev(name));
    return Dev(name);
}

}  // namespace cv
