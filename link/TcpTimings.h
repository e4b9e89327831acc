#pragma once

#include <chrono>

namespace lanvane {

// The waits of the TCP link. The defaults are the printer's; tests shorten them.
struct TcpTimings {
    // How long a connect may take before the printer counts as unreachable.
    std::chrono::milliseconds connectWait{3000};
    // How long one receive waits for data.
    std::chrono::milliseconds receiveTimeout{1500};
};

}  // namespace lanvane
