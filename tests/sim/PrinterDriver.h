#pragma once

#include <array>
#include <string>

#include "WireText.h"
#include "sim/SimWireCodec.h"
#include "sim/SimulatedPrinterChannel.h"

namespace lanvane::sim::test {

// Talks to a simulated printer through the in-process channel, one request at a time.
class PrinterDriver {
public:
    explicit PrinterDriver(SimulatedPrinter& printer) : channel_(printer) {}

    // Writes the request and returns the first reply burst (empty when none came).
    Bytes Exchange(const Bytes& request) {
        channel_.Write(request);
        std::array<std::uint8_t, 8192> buffer{};
        std::size_t count = 0;
        if (!channel_.Read(buffer, count)) {
            return {};
        }
        return Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
    }

private:
    SimulatedPrinterChannel channel_;
};

// A link message to the printer carrying `tagAndPayload`, written as the program writes it.
inline Bytes LinkRequestFor(const Bytes& tagAndPayload) {
    return LinkRequest(ProgramHex(SealTagFrame(tagAndPayload)));
}

}  // namespace lanvane::sim::test
