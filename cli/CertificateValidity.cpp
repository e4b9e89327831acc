#include "cli/CertificateValidity.h"

#include <cstdio>

#include "cli/VisibleText.h"
#include "protocol/PemBlocks.h"

namespace lanvane::cli {
namespace {

constexpr std::string_view kCertificateLabel = "CERTIFICATE";

struct UtcParts {
    int year;
    unsigned month;
    unsigned day;
    long hours;
    long minutes;
    long seconds;
};

UtcParts PartsOf(std::chrono::sys_seconds time) {
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
            static_cast<long>(clock.hours().count()), static_cast<long>(clock.minutes().count()),
            static_cast<long>(clock.seconds().count())};
}

std::string IsoText(std::chrono::sys_seconds time) {
    const UtcParts parts = PartsOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ", parts.year, parts.month, parts.day,
                  parts.hours, parts.minutes, parts.seconds);
    return text;
}

}  // namespace

std::optional<std::vector<CertificateDetails>> ReadCertificates(std::string_view pem) {
    std::vector<CertificateDetails> certificates;
    for (const PemBlock& block : ReadPemBlocks(pem).value_or(std::vector<PemBlock>{})) {
        if (block.label != kCertificateLabel) {
            continue;
        }
        std::optional<CertificateDetails> details = ReadCertificateDetails(block.text);
        if (!details) {
            return std::nullopt;
        }
        certificates.push_back(std::move(*details));
    }
    return certificates;
}

std::string UtcText(std::chrono::sys_seconds time) {
    const UtcParts parts = PartsOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:%02ld UTC", parts.year, parts.month, parts.day,
                  parts.hours, parts.minutes);
    return text;
}

std::vector<std::string> ValidityLines(const CertificateDetails& certificate, std::chrono::sys_seconds now) {
    std::vector<std::string> lines = {"Certificate: " + VisibleText(certificate.subject) + ", valid until " +
                                      UtcText(certificate.notAfter)};
    if (certificate.notAfter < now) {
        lines.push_back("Warning: this certificate expired on " + UtcText(certificate.notAfter) +
                        "; it is uploaded all the same.");
    } else if (certificate.notBefore > now) {
        lines.push_back("Warning: this certificate is valid only from " + UtcText(certificate.notBefore) +
                        "; it is uploaded all the same.");
    }
    return lines;
}

nlohmann::ordered_json ValidityJson(const CertificateDetails& certificate, std::chrono::sys_seconds now) {
    return {{"subject", certificate.subject},
            {"notBefore", IsoText(certificate.notBefore)},
            {"notAfter", IsoText(certificate.notAfter)},
            {"expired", certificate.notAfter < now}};
}

}  // namespace lanvane::cli
