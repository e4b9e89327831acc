#include "sim/SimulatedPrinterPort.h"

#include <utility>

namespace lanvane::sim {

SimulatedPrinterPort::SimulatedPrinterPort(SimulatedPrinter& printer, std::string devicePath)
    : printer_(printer), devicePath_(std::move(devicePath)) {}

bool SimulatedPrinterPort::Open() {
    ++openCalls_;
    if (IsOpen()) {
        return true;
    }
    if (refuseOpen_ || portName_ != devicePath_) {
        return false;
    }
    channel_ = std::make_unique<SimulatedPrinterChannel>(printer_);
    return true;
}

void SimulatedPrinterPort::Close() {
    if (IsOpen()) {
        channel_.reset();
        ++closes_;
    }
}

bool SimulatedPrinterPort::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    return IsOpen() && channel_->Read(buffer, capacity, count);
}

std::size_t SimulatedPrinterPort::Write(const std::uint8_t* buffer, std::size_t length) {
    return IsOpen() ? channel_->Write(buffer, length) : 0;
}

}  // namespace lanvane::sim
