#include "link/SystemDeviceSource.h"

#include <utility>

#include "link/ComPortList.h"

namespace lanvane {

SystemDeviceSource::SystemDeviceSource(std::filesystem::path systemRoot,
                                       std::filesystem::path deviceRoot, UsbListing usbListing)
    : systemRoot_(std::move(systemRoot)), deviceRoot_(std::move(deviceRoot)), usbListing_(usbListing) {}

std::vector<UsbDeviceEntry> SystemDeviceSource::UsbDevices() {
    CUsbDeviceList list(systemRoot_, deviceRoot_, usbListing_);
    list.Refresh();
    std::vector<UsbDeviceEntry> devices;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        devices.push_back(*list.GetAt(index));
    }
    return devices;
}

std::vector<std::string> SystemDeviceSource::ComPortNames() {
    return ListComPorts(systemRoot_);
}

std::string SystemDeviceSource::SerialPortPath(const std::string& name) const {
    return ComPortPath(name);
}

}  // namespace lanvane
