#pragma once

#include <filesystem>

#include "link/DeviceRoots.h"
#include "link/PrinterDeviceSource.h"

namespace lanvane {

// The USB printers and serial ports the system has. The roots are where the system
// describes its devices and keeps their nodes; tests point them at a fake tree.
class SystemDeviceSource : public PrinterDeviceSource {
public:
    explicit SystemDeviceSource(std::filesystem::path systemRoot = DefaultSystemRoot(),
                                std::filesystem::path deviceRoot = DefaultDeviceRoot(),
                                UsbListing usbListing = UsbListing::FreeToOpen);

    std::vector<UsbDeviceEntry> UsbDevices() override;
    std::vector<std::string> ComPortNames() override;
    std::string SerialPortPath(const std::string& name) const override;

private:
    std::filesystem::path systemRoot_;
    std::filesystem::path deviceRoot_;
    UsbListing usbListing_;
};

}  // namespace lanvane
