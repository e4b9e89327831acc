#pragma once

#include <string>
#include <string_view>

#include "protocol/Certificate.h"
#include "resources/StringTable.h"

namespace lanvane {

// What the check of the certificate file at `path` tells the user: the outcome's text; for
// a file too large, which keys fit; for a binary file or a PKCS#12 bundle, the command that
// makes the PEM file.
std::string CertificateMessage(const StringTable& strings, CertificateOutcome outcome, CertKind kind,
                               std::string_view path);

}  // namespace lanvane
