#pragma once

#include <cstdint>
#include <span>

namespace lanvane {

// What a binary (DER) file holds, told from the first elements of its outer SEQUENCE:
// an X.509 certificate, a private key (PKCS#1 RSA, SEC 1 EC, PKCS#8, encrypted PKCS#8) or
// a PKCS#12 bundle (which may also be BER with an indefinite length).
enum class DerShape { Unknown, Certificate, PrivateKey, Pkcs12 };

DerShape DerShapeOf(std::span<const std::uint8_t> bytes);

}  // namespace lanvane
