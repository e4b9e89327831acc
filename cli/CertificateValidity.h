#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CertificateDetails.h"

namespace lanvane::cli {

// The details of every CERTIFICATE block of a checked PEM text, in file order; nothing
// when one of them is not a readable X.509 certificate.
std::optional<std::vector<CertificateDetails>> ReadCertificates(std::string_view pem);

// "2031-05-04 13:10 UTC".
std::string UtcText(std::chrono::sys_seconds time);

// What the user reads before the upload: the subject and expiry, and a warning line when
// the certificate is out of its validity at `now` (it is uploaded all the same).
std::vector<std::string> ValidityLines(const CertificateDetails& certificate, std::chrono::sys_seconds now);

// {"subject", "notBefore", "notAfter", "expired"}, the times in ISO 8601 UTC.
nlohmann::ordered_json ValidityJson(const CertificateDetails& certificate, std::chrono::sys_seconds now);

}  // namespace lanvane::cli
