#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/PrinterPortLike.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterChannel.h"

namespace lanvane::sim {

// The simulated printer behind the printer port's calls, for the configuration window in
// tests and in the demo. It opens only under the device path it was given and moves bytes
// only while open; every open starts a fresh channel, so no reply of an earlier connection
// is left waiting.
class SimulatedPrinterPort : public PrinterPortLike {
public:
    SimulatedPrinterPort(SimulatedPrinter& printer, std::string devicePath);

    void SetUsbDevice(bool usbDevice) override { usbDevice_ = usbDevice; }
    void SetPortName(std::string portName) override { portName_ = std::move(portName); }
    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return channel_ != nullptr; }
    bool Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) override;
    std::size_t Write(const std::uint8_t* buffer, std::size_t length) override;

    // Makes every later Open fail, as a device held by another program does.
    void RefuseOpen(bool refuse) { refuseOpen_ = refuse; }

    bool IsUsbDevice() const { return usbDevice_; }
    const std::string& PortName() const { return portName_; }
    // Open calls, and closes of an open port.
    int OpenCalls() const { return openCalls_; }
    int Closes() const { return closes_; }

private:
    SimulatedPrinter& printer_;
    std::string devicePath_;
    std::string portName_;
    std::unique_ptr<SimulatedPrinterChannel> channel_;
    bool usbDevice_ = false;
    bool refuseOpen_ = false;
    int openCalls_ = 0;
    int closes_ = 0;
};

}  // namespace lanvane::sim
