#include "sim/CertificateReceiver.h"

#include <algorithm>

namespace lanvane::sim {

void CertificateReceiver::Begin(int kind, std::map<int, ReceivedCertificate>& certificates) {
    activeKind_ = kind;
    certificates[kind] = ReceivedCertificate{};
}

bool CertificateReceiver::Accept(const CertificateChunk& chunk,
                                 std::map<int, ReceivedCertificate>& certificates) {
    const std::size_t end = std::size_t{chunk.offset} + chunk.length;
    if (activeKind_ == 0 || !chunk.crcHolds || end > kLargestCertificate) {
        return false;
    }
    ReceivedCertificate& certificate = certificates[activeKind_];
    if (certificate.data.size() < end) {
        certificate.data.resize(end);
    }
    std::copy(chunk.data.begin(), chunk.data.end(),
              certificate.data.begin() + static_cast<std::ptrdiff_t>(chunk.offset));
    if (chunk.last) {
        certificate.complete = true;
        activeKind_ = 0;
    }
    return true;
}

}  // namespace lanvane::sim
