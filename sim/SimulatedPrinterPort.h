#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "link/PrinterPortLike.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterChannel.h"

namespace lanvane::sim {

// Simulated printers behind the printer port's calls, where no device can carry them (the
// demo on Windows): the port opens the printer plugged in under the device path its port
// name gives. Every open starts a fresh channel, so no reply of an earlier connection is
// left waiting.
class SimulatedPrinterPort : public PrinterPortLike {
public:
    // The printer outlives the port.
    void Plug(SimulatedPrinter& printer, std::string devicePath) {
        plugged_.emplace_back(std::move(devicePath), &printer);
    }
    // Closes and forgets every printer.
    void UnplugAll() {
        Close();
        plugged_.clear();
    }

    void SetUsbDevice(bool usbDevice) override { usbDevice_ = usbDevice; }
    void SetPortName(std::string portName) override { portName_ = std::move(portName); }
    bool Open() override;
    void Close() override { channel_.reset(); }
    bool IsOpen() const override { return channel_ != nullptr; }
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;

private:
    std::vector<std::pair<std::string, SimulatedPrinter*>> plugged_;
    std::string portName_;
    std::unique_ptr<SimulatedPrinterChannel> channel_;
    bool usbDevice_ = false;
};

}  // namespace lanvane::sim
