#pragma once

#include <cstddef>
#include <cstdint>

namespace lanvane {

// The kind of certificate the printer is to receive; the value travels in the announcement.
enum class CertKind : std::uint8_t { CA = 1, ClientKey = 2, ClientPem = 3 };

// The selector byte of the upload's announcement: 0x81, 0x82 or 0x83.
std::uint8_t CertSelector(CertKind kind);

// A certificate file must be smaller than this.
constexpr std::size_t kCertificateSizeLimit = 3072;

enum class CertificateOutcome {
    Ok,          // "The certificate file is selected."
    ReadFailed,  // "Failed to read the certificate file."
    TooLarge,    // "The maximum size of a certificate file is 3KB."
    Invalid,     // "The certificate file is invalid."
};

// Checks size and PEM markers: the file starts with "-----BEGIN " and holds "-----END"
// before its first NUL byte. Never ReadFailed.
CertificateOutcome CheckCertificate(const std::uint8_t* data, std::size_t size);

}  // namespace lanvane
