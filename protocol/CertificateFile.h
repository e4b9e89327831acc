#pragma once

#include <filesystem>

#include "protocol/Certificate.h"
#include "protocol/SecureBytes.h"

namespace lanvane {

// Reads a certificate file into `certData` and checks it. Anything but a regular file of
// fewer than 3072 bytes is refused as TooLarge before a byte of it is read. On any outcome
// but Ok, `certData` ends empty, its former contents wiped.
CertificateOutcome LoadCertificateFile(const std::filesystem::path& path, SecureBytes& certData);

}  // namespace lanvane
