#pragma once

#include <string>
#include <utility>
#include <vector>

#include "link/PrinterDeviceSource.h"

namespace lanvane {

// A fixed set of devices: how tests and the demo present simulated printers. Serial port
// names open under their own name.
class ListedDeviceSource : public PrinterDeviceSource {
public:
    explicit ListedDeviceSource(std::vector<UsbDeviceEntry> usbDevices = {},
                                std::vector<std::string> comPorts = {})
        : usbDevices_(std::move(usbDevices)), comPorts_(std::move(comPorts)) {}

    // What the next enumeration finds.
    void SetUsbDevices(std::vector<UsbDeviceEntry> usbDevices) { usbDevices_ = std::move(usbDevices); }

    std::vector<UsbDeviceEntry> UsbDevices() override { return usbDevices_; }
    std::vector<std::string> ComPortNames() override { return comPorts_; }
    std::string SerialPortPath(const std::string& name) const override { return name; }

private:
    std::vector<UsbDeviceEntry> usbDevices_;
    std::vector<std::string> comPorts_;
};

}  // namespace lanvane
