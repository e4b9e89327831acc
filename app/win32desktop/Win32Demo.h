#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lan/core/LanNetworkOptions.h"
#include "link/PrinterDeviceSource.h"
#include "link/PrinterPortLike.h"

namespace lanvane {

// The simulated printers of --demo, started inside the program: USB printers behind the
// printer-port interface, LAN printers on the loopback broadcast.
class Win32Demo {
public:
    virtual ~Win32Demo() = default;
    // Starts them all; on failure says why. Warnings name what works only in part.
    virtual bool Start(std::string& problem, std::vector<std::string>& warnings) = 0;
    // The USB and COM devices the Serial/USB road lists instead of the system's.
    virtual PrinterDeviceSource& Devices() = 0;
    // The printer port that opens those devices, in place of `systemPort`.
    virtual PrinterPortLike& Port(PrinterPortLike& systemPort) = 0;
    // Where the LAN road sends its datagrams to reach the simulated printers.
    virtual LanNetworkOptions Network(const std::string& broadcastAddress) const = 0;
};

// The demo of this build; nullptr when it has none.
std::unique_ptr<Win32Demo> MakeWin32Demo();

}  // namespace lanvane
