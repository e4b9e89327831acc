#pragma once

#include <memory>

#include "protocol/ExchangeBuffers.h"
#include "sim/SimWireCodec.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterChannel.h"

namespace lanvane::test {

using sim::Bytes;

// The simulated printer's channel, counting the reads made on it. From the write with the
// 0-based index `faultsFrom` on, the printer shows `lateFaults`, so that one step of an
// exchange can fail after the steps before it went well.
class CountingChannel : public sim::SimulatedPrinterChannel {
public:
    explicit CountingChannel(sim::SimulatedPrinter& printer)
        : SimulatedPrinterChannel(printer), printer_(printer) {}

    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
        ++reads;
        return SimulatedPrinterChannel::Read(buffer, count);
    }
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        if (Writes().size() == faultsFrom) {
            printer_.SetFaults(lateFaults);
        }
        return SimulatedPrinterChannel::Write(bytes);
    }

    int reads = 0;
    std::size_t faultsFrom = SIZE_MAX;
    sim::FaultPlan lateFaults;

private:
    sim::SimulatedPrinter& printer_;
};

// The simulated printer, written from the printer's side of the messages, and what an
// exchange needs to talk to it.
struct PrinterLine {
    explicit PrinterLine(sim::FaultPlan faults = {}, int layout = 1)
        : printer(sim::DefaultPrinterState(layout), faults) {}

    sim::SimulatedPrinter printer;
    CountingChannel channel{printer};
    std::unique_ptr<ExchangeBuffers> buffers = std::make_unique<ExchangeBuffers>();
};

// A fault plan that differs from a good printer's in one member.
template <class Member, class Value>
sim::FaultPlan With(Member sim::FaultPlan::*member, Value value) {
    sim::FaultPlan faults;
    faults.*member = value;
    return faults;
}

// The tag frame carried by a link message (prefix and terminator dropped).
inline Bytes FrameOf(const Bytes& message) {
    return message.size() < 4 ? Bytes{} : sim::DecodeHex(message.data() + 3, message.size() - 4);
}

inline Bytes Text(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace lanvane::test
