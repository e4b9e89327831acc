#pragma once

#include <filesystem>

#include "protocol/Certificate.h"
#include "protocol/SecureBytes.h"

namespace lanvane {

// Reads a certificate file whole into `bytes`: Ok, ReadFailed, or TooLarge for anything but
// a regular file of fewer than 3072 bytes, refused before a byte of it is read. On failure
// `bytes` ends empty, its former contents wiped.
CertificateOutcome ReadCertificateFile(const std::filesystem::path& path, SecureBytes& bytes);

// Reads a certificate file into `certData` and checks it for the kind. On any outcome but
// Ok, `certData` ends empty, its former contents wiped.
CertificateOutcome LoadCertificateFile(const std::filesystem::path& path, CertKind kind, SecureBytes& certData);

}  // namespace lanvane
