#pragma once

#include <string>

#include "app/LanRoad.h"
#include "link/PrinterPort.h"
#include "link/SystemDeviceSource.h"

namespace lanvane {

// What a desktop program works on: the system's printer port and device lists, and the LAN
// road to the broadcast address asked for (the usual one when none is). The demo puts its
// own port, devices and network in their place.
struct ProgramDevices {
    explicit ProgramDevices(const std::string& broadcastAddress) {
        if (!broadcastAddress.empty()) {
            lan.network.broadcastAddress = broadcastAddress;
        }
    }
    ProgramDevices(const ProgramDevices&) = delete;
    ProgramDevices& operator=(const ProgramDevices&) = delete;

    CPrinterPort systemPort;
    SystemDeviceSource systemDevices;
    PrinterPortLike* port = &systemPort;
    PrinterDeviceSource* deviceSource = &systemDevices;
    LanRoad lan;
};

}  // namespace lanvane
