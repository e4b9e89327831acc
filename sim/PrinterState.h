#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/BssNetwork.h"
#include "sim/Bytes.h"
#include "sim/PrinterRecord.h"

namespace lanvane::sim {

// What the printer's interface reports about itself in SYS_RSP.
struct PrinterIdentity {
    std::string firmwareVersion;  // 16 bytes on the wire
    std::string updateDate;       // 32 bytes on the wire
    std::array<std::uint8_t, 6> mac{};

    bool operator==(const PrinterIdentity&) const = default;
};

// A certificate as far as its chunks have arrived; complete once its last chunk came.
struct ReceivedCertificate {
    Bytes data;
    bool complete = false;

    bool operator==(const ReceivedCertificate&) const = default;
};

// Everything the simulated printer holds.
struct PrinterState {
    std::string makerName;
    PrinterIdentity identity;
    PrinterRecord record;
    std::vector<BssNetwork> networks;
    std::map<int, ReceivedCertificate> certificates;  // by kind: 1 CA, 2 Client Key, 3 Client PEM
};

// A plausible printer with distinctive values in every field, in the given record layout.
PrinterState DefaultPrinterState(int layout = 1);

}  // namespace lanvane::sim
