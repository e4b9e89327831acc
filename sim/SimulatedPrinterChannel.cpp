#include "sim/SimulatedPrinterChannel.h"

#include <algorithm>

namespace lanvane::sim {

SimulatedPrinterChannel::SimulatedPrinterChannel(SimulatedPrinter& printer) : printer_(printer) {}

bool SimulatedPrinterChannel::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    count = 0;
    if (bursts_.empty() || buffer.empty()) {
        return false;
    }
    Bytes& burst = bursts_.front();
    count = std::min(buffer.size(), burst.size());
    std::copy_n(burst.begin(), count, buffer.begin());
    burst.erase(burst.begin(), burst.begin() + static_cast<std::ptrdiff_t>(count));
    if (burst.empty()) {
        bursts_.pop_front();
    }
    return true;
}

std::size_t SimulatedPrinterChannel::Write(std::span<const std::uint8_t> bytes) {
    if (printer_.Disconnected()) {
        return 0;
    }
    writes_.emplace_back(bytes.begin(), bytes.end());
    for (ReplyBurst& burst : printer_.Receive(bytes.data(), bytes.size())) {
        if (!burst.bytes.empty()) {
            bursts_.push_back(std::move(burst.bytes));
        }
    }
    return bytes.size();
}

}  // namespace lanvane::sim
