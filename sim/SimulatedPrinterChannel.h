#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "protocol/ByteChannel.h"
#include "sim/Bytes.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane::sim {

// The simulated printer as an in-process byte channel: a write hands the bytes to the
// printer at once, a read takes its next reply burst. No threads and no waiting: burst
// delays are ignored, so a split reply is simply two reads.
class SimulatedPrinterChannel : public ByteChannel {
public:
    explicit SimulatedPrinterChannel(SimulatedPrinter& printer);

    // The next burst, cut to the size of `buffer`; what does not fit stays queued for the next read,
    // as a driver would keep it. False when no burst is waiting.
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    // Writes nothing (returns 0) once the printer has hung up.
    std::size_t Write(std::span<const std::uint8_t> bytes) override;

    // Every buffer written so far, one entry per Write call.
    const std::vector<Bytes>& Writes() const { return writes_; }

private:
    SimulatedPrinter& printer_;
    std::deque<Bytes> bursts_;
    std::vector<Bytes> writes_;
};

}  // namespace lanvane::sim
