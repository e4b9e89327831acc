#include "protocol/Certificate.h"

#include <algorithm>
#include <string_view>

namespace lanvane {
namespace {

constexpr std::string_view kBeginMarker = "-----BEGIN ";
constexpr std::string_view kEndMarker = "-----END";
constexpr std::uint8_t kSelectorBase = 0x80;

}  // namespace

std::uint8_t CertSelector(CertKind kind) {
    return static_cast<std::uint8_t>(kSelectorBase + static_cast<std::uint8_t>(kind));
}

CertificateOutcome CheckCertificate(const std::uint8_t* data, std::size_t size) {
    if (size >= kCertificateSizeLimit) {
        return CertificateOutcome::TooLarge;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view beforeNul = text.substr(0, text.find('\0'));
    if (!text.starts_with(kBeginMarker) || beforeNul.find(kEndMarker) == std::string_view::npos) {
        return CertificateOutcome::Invalid;
    }
    return CertificateOutcome::Ok;
}

}  // namespace lanvane
