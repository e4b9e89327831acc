#pragma once

#include "lan/core/DeviceList.h"
#include "lan/core/DeviceRecord.h"
#include "lan/core/LanMode.h"

#include <string>

namespace lanvane {

// The two device lists of a run. The application owns one and hands it to every LAN
// window; a search of one mode leaves the other mode's list as it was.
class LanDeviceLists {
public:
    DeviceList<DeviceRecord>& Ethernet() { return ethernet_; }
    const DeviceList<DeviceRecord>& Ethernet() const { return ethernet_; }
    DeviceList<WlanDeviceRecord>& Wlan() { return wlan_; }
    const DeviceList<WlanDeviceRecord>& Wlan() const { return wlan_; }

    void Clear(LanMode mode);
    int Count(LanMode mode) const;
    // The fields both modes share, of the device numbered n in the mode's list.
    DeviceRecord* Nth(LanMode mode, int n);
    const DeviceRecord* Nth(LanMode mode, int n) const;
    // The address the reply of the device numbered n came from.
    std::string From(LanMode mode, int n) const;

private:
    DeviceList<DeviceRecord> ethernet_;
    DeviceList<WlanDeviceRecord> wlan_;
};

}  // namespace lanvane
