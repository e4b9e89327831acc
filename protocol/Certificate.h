#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lanvane {

// The kind of certificate the printer is to receive; the value travels in the announcement.
enum class CertKind : std::uint8_t { CA = 1, ClientKey = 2, ClientPem = 3 };

// The selector byte of the upload's announcement: 0x81, 0x82 or 0x83.
std::uint8_t CertSelector(CertKind kind);

// A certificate file must be smaller than this.
constexpr std::size_t kCertificateSizeLimit = 3072;

enum class CertificateOutcome {
    Ok,              // "The certificate file is selected."
    ReadFailed,      // "Failed to read the certificate file."
    TooLarge,        // "The maximum size of a certificate file is 3KB."
    Invalid,         // neither PEM text nor a binary form this program knows
    NotCertificate,  // PEM, but not only CERTIFICATE blocks, for the CA or the client PEM
    NotPrivateKey,   // PEM, but not one private key, for the client key
    DerCertificate,  // a binary certificate, to be converted to PEM
    DerPrivateKey,   // a binary private key, to be converted to PEM
    Pkcs12,          // a PKCS#12 bundle, from which the PEM file is to be taken
};

// Checks the size and what the file holds against what the kind needs: the CA and the
// client PEM one or more PEM CERTIFICATE blocks and nothing else; the client key one PEM
// private key (RSA, EC or PKCS#8, encrypted or not; EC PARAMETERS may stand beside it).
// A binary file of the wrong kind is NotCertificate or NotPrivateKey. Never ReadFailed.
CertificateOutcome CheckCertificate(std::span<const std::uint8_t> file, CertKind kind);

}  // namespace lanvane
