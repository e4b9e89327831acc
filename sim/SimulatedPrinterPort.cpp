#include "sim/SimulatedPrinterPort.h"

#include <algorithm>

namespace lanvane::sim {

// The printers are USB devices: opened as a serial line, they stay silent as a real one does.
bool SimulatedPrinterPort::Open() {
    if (IsOpen()) {
        return true;
    }
    const auto found = std::find_if(plugged_.begin(), plugged_.end(),
                                    [this](const auto& plugged) { return plugged.first == portName_; });
    if (!usbDevice_ || found == plugged_.end()) {
        return false;
    }
    channel_ = std::make_unique<SimulatedPrinterChannel>(*found->second);
    return true;
}

bool SimulatedPrinterPort::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    count = 0;
    return IsOpen() && channel_->Read(buffer, count);
}

std::size_t SimulatedPrinterPort::Write(std::span<const std::uint8_t> bytes) {
    return IsOpen() ? channel_->Write(bytes) : 0;
}

}  // namespace lanvane::sim
