#include "protocol/Certificate.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "protocol/DerShape.h"
#include "protocol/PemBlocks.h"

namespace lanvane {
namespace {

constexpr std::uint8_t kSelectorBase = 0x80;
constexpr std::string_view kCertificateLabel = "CERTIFICATE";
constexpr std::string_view kEcParametersLabel = "EC PARAMETERS";
constexpr std::array<std::string_view, 4> kPrivateKeyLabels = {"PRIVATE KEY", "RSA PRIVATE KEY", "EC PRIVATE KEY",
                                                               "ENCRYPTED PRIVATE KEY"};

bool WantsCertificate(CertKind kind) {
    return kind != CertKind::ClientKey;
}

bool IsPrivateKey(const PemBlock& block) {
    return std::find(kPrivateKeyLabels.begin(), kPrivateKeyLabels.end(), block.label) != kPrivateKeyLabels.end();
}

bool OnlyCertificates(const std::vector<PemBlock>& blocks) {
    return std::all_of(blocks.begin(), blocks.end(),
                       [](const PemBlock& block) { return block.label == kCertificateLabel; });
}

bool OnePrivateKey(const std::vector<PemBlock>& blocks) {
    const auto keys = std::count_if(blocks.begin(), blocks.end(), IsPrivateKey);
    const auto parameters = std::count_if(blocks.begin(), blocks.end(),
                                          [](const PemBlock& block) { return block.label == kEcParametersLabel; });
    return keys == 1 && static_cast<std::size_t>(keys + parameters) == blocks.size();
}

CertificateOutcome CheckPem(const std::vector<PemBlock>& blocks, CertKind kind) {
    if (WantsCertificate(kind)) {
        return OnlyCertificates(blocks) ? CertificateOutcome::Ok : CertificateOutcome::NotCertificate;
    }
    return OnePrivateKey(blocks) ? CertificateOutcome::Ok : CertificateOutcome::NotPrivateKey;
}

CertificateOutcome CheckBinary(std::span<const std::uint8_t> bytes, CertKind kind) {
    const CertificateOutcome wrongKind =
        WantsCertificate(kind) ? CertificateOutcome::NotCertificate : CertificateOutcome::NotPrivateKey;
    switch (DerShapeOf(bytes)) {
        case DerShape::Certificate: return WantsCertificate(kind) ? CertificateOutcome::DerCertificate : wrongKind;
        case DerShape::PrivateKey: return WantsCertificate(kind) ? wrongKind : CertificateOutcome::DerPrivateKey;
        case DerShape::Pkcs12: return CertificateOutcome::Pkcs12;
        case DerShape::Unknown: break;
    }
    return CertificateOutcome::Invalid;
}

}  // namespace

std::uint8_t CertSelector(CertKind kind) {
    return static_cast<std::uint8_t>(kSelectorBase + static_cast<std::uint8_t>(kind));
}

CertificateOutcome CheckCertificate(std::span<const std::uint8_t> file, CertKind kind) {
    if (file.size() >= kCertificateSizeLimit) {
        return CertificateOutcome::TooLarge;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    if (const auto blocks = ReadPemBlocks(text)) {
        return CheckPem(*blocks, kind);
    }
    return CheckBinary(file, kind);
}

}  // namespace lanvane
