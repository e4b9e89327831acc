#pragma once

#include <string>
#include <string_view>

#include "protocol/Certificate.h"

namespace lanvane {

// The openssl command that makes, beside the file at `path`, the PEM file the printer takes
// for `kind`: a binary certificate or key converted, or the kind's part of a PKCS#12 bundle
// taken out. Empty for any other outcome. "-" (standard input) stays "-" in and out.
std::string PemConversionCommand(CertificateOutcome outcome, CertKind kind, std::string_view path);

}  // namespace lanvane
