#pragma once
// The words a user recognises a serial device by ("FT232R USB UART (FTDI)",
// "USB Serial Port (FTDI)"), made from what the system reports about it. The
// port map asks the system; these functions only shape its answers.

#include <string>
#include <string_view>

namespace cv {

// A USB device from its own strings: "FT232R USB UART (FTDI)"; the product
// alone when it already names the maker; the maker alone, brackets and all,
// when there is no product; empty when neither is given. Each string is made
// one line of UTF-8 (control characters as blanks, a byte that is not UTF-8
// as U+FFFD) and cut to a menu item's length.
std::string UsbDeviceName(std::string_view manufacturer, std::string_view product);

// A port of Windows' Ports class from its device properties, as Device Manager
// shows it but without the port: the friendly name without its "(COMn)", or
// else the device description; followed by the manufacturer in brackets unless
// the name already holds it or the manufacturer is a bracketed placeholder such
// as "(Standard port types)"; the manufacturer alone when there is no name.
// The texts are cleaned and cut as UsbDeviceName's are. A description stored
// as an indirect string ("@oem7.inf,%desc%;USB Serial Port") counts by its
// text after the ';'.
std::string ComPortName(std::string_view friendlyName, std::string_view description, std::string_view manufacturer);

}  // namespace cv
