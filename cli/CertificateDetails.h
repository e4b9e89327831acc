#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane::cli {

// What the user checks before a certificate goes to the printer.
struct CertificateDetails {
    std::string subject;  // most specific part first: "CN=..., O=...", UTF-8
    std::chrono::sys_seconds notBefore;
    std::chrono::sys_seconds notAfter;
};

// Reads one PEM CERTIFICATE block, from its BEGIN line to its END marker; nothing when it
// is not a readable X.509 certificate. The system's X.509 library does the reading
// (posix/openssl/, win32/).
std::optional<CertificateDetails> ReadCertificateDetails(std::string_view pemBlock);

}  // namespace lanvane::cli
