#pragma once

#include <string>
#include <vector>

#include "link/UsbDeviceList.h"

namespace lanvane {

// The devices the configuration window offers in its Port list. The system's own devices
// come from SystemDeviceSource; tests and the demo present simulated printers instead.
class PrinterDeviceSource {
public:
    virtual ~PrinterDeviceSource() = default;

    // The USB printer devices present now, enumerated afresh: USB001, USB002, ...
    virtual std::vector<UsbDeviceEntry> UsbDevices() = 0;
    // The serial port names, in natural order.
    virtual std::vector<std::string> ComPortNames() = 0;
    // The path that opens the serial port of a listed name.
    virtual std::string SerialPortPath(const std::string& name) const = 0;
};

}  // namespace lanvane
