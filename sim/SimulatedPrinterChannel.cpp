#include "sim/SimulatedPrinterChannel.h"

#include <algorithm>

namespace lanvane::sim {

SimulatedPrinterChannel::SimulatedPrinterChannel(SimulatedPrinter& printer) : printer_(printer) {}

bool SimulatedPrinterChannel::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    if (bursts_.empty() || capacity == 0) {
        return false;
    }
    Bytes& burst = bursts_.front();
    count = std::min(capacity, burst.size());
    std::copy_n(burst.begin(), count, buffer);
    burst.erase(burst.begin(), burst.begin() + static_cast<std::ptrdiff_t>(count));
    if (burst.empty()) {
        bursts_.pop_front();
    }
    return true;
}

std::size_t SimulatedPrinterChannel::Write(const std::uint8_t* buffer, std::size_t length) {
    if (printer_.Disconnected()) {
        return 0;
    }
    writes_.emplace_back(buffer, buffer + length);
    for (ReplyBurst& burst : printer_.Receive(buffer, length)) {
        if (!burst.bytes.empty()) {
            bursts_.push_back(std::move(burst.bytes));
        }
    }
    return length;
}

}  // namespace lanvane::sim
