#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "tools/scenario/PrinterBench.h"
#include "link/PrinterPortLike.h"
#include "sim/SimulatedPrinterChannel.h"

namespace lanvane::scenario {

// The printer port of a scenario run: opens, as a USB device, the bench printer whose
// device path the port name gives. Every open starts a fresh channel, so no reply of an
// earlier connection is left waiting.
class BenchPrinterPort final : public PrinterPortLike {
public:
    explicit BenchPrinterPort(const PrinterBench& bench) : bench_(bench) {}

    void SetUsbDevice(bool usbDevice) override { usbDevice_ = usbDevice; }
    void SetPortName(std::string portName) override { portName_ = std::move(portName); }
    bool Open() override;
    void Close() override { channel_.reset(); }
    bool IsOpen() const override { return channel_ != nullptr; }
    bool Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) override;
    std::size_t Write(const std::uint8_t* buffer, std::size_t length) override;

private:
    const PrinterBench& bench_;
    std::string portName_;
    bool usbDevice_ = false;
    std::unique_ptr<sim::SimulatedPrinterChannel> channel_;
};

}  // namespace lanvane::scenario
