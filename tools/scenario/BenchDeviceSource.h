#pragma once

#include <string>
#include <vector>

#include "tools/scenario/PrinterBench.h"
#include "link/PrinterDeviceSource.h"

namespace lanvane::scenario {

// The devices of a scenario run: the bench printers as USB devices USB001, USB002, ... in
// the order started, and no serial port.
class BenchDeviceSource final : public PrinterDeviceSource {
public:
    explicit BenchDeviceSource(const PrinterBench& bench) : bench_(bench) {}

    std::vector<UsbDeviceEntry> UsbDevices() override;
    std::vector<std::string> ComPortNames() override { return {}; }
    std::string SerialPortPath(const std::string& name) const override { return name; }

private:
    const PrinterBench& bench_;
};

}  // namespace lanvane::scenario
