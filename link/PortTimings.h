#pragma once

#include <chrono>

namespace lanvane {

// The waits of the printer port. The defaults are the line's own; tests shorten them.
struct PortTimings {
    // A read gives up after this many attempts without a byte.
    int attempts = 20;
    // How long one attempt waits for the first byte of a reply.
    std::chrono::milliseconds attemptWait{3000};
    // A burst of reply bytes ends when the line stays quiet this long.
    std::chrono::milliseconds burstGap{100};
    // A write of n bytes to a COM port gives up after n * writePerByte + writeConstant.
    std::chrono::milliseconds writePerByte{500};
    std::chrono::milliseconds writeConstant{5};
    // A USB printer takes data only as fast as it can handle it, and a busy one may hold
    // a write for seconds; a write to a USB device gives up only after this long.
    std::chrono::milliseconds usbWriteLimit{30000};
};

}  // namespace lanvane
