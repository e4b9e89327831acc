#pragma once

#include <cstddef>
#include <map>

#include "sim/CertificateChunk.h"
#include "sim/PrinterState.h"

namespace lanvane::sim {

// Assembles the chunks of a certificate upload by their offsets into the kind that the
// last announcement named.
class CertificateReceiver {
public:
    // Larger offsets are refused, so that a forged offset cannot demand huge memory.
    static constexpr std::size_t kLargestCertificate = 65536;

    // Starts a new upload of `kind` (1 to 3); what was held of that kind is dropped.
    void Begin(int kind, std::map<int, ReceivedCertificate>& certificates);

    // Stores an intact chunk; the last chunk completes the certificate and ends the upload.
    bool Accept(const CertificateChunk& chunk, std::map<int, ReceivedCertificate>& certificates);

private:
    int activeKind_ = 0;  // 0: no upload announced
};

}  // namespace lanvane::sim
