#include "rules/CertificateMessage.h"

#include "resources/StringIds.h"
#include "rules/PemConversionCommand.h"

namespace lanvane {
namespace {

int MessageId(CertificateOutcome outcome) {
    switch (outcome) {
        case CertificateOutcome::Ok: return sid::kCertificateSelected;
        case CertificateOutcome::ReadFailed: return sid::kCertificateReadFailed;
        case CertificateOutcome::TooLarge: return sid::kCertificateTooLarge;
        case CertificateOutcome::Invalid: return sid::kCertificateInvalid;
        case CertificateOutcome::NotCertificate: return sid::kCertificateNotPemCertificate;
        case CertificateOutcome::NotPrivateKey: return sid::kCertificateNotPemKey;
        case CertificateOutcome::DerCertificate: return sid::kCertificateDerCertificate;
        case CertificateOutcome::DerPrivateKey: return sid::kCertificateDerKey;
        case CertificateOutcome::Pkcs12: return sid::kCertificatePkcs12;
    }
    return sid::kCertificateInvalid;
}

}  // namespace

std::string CertificateMessage(const StringTable& strings, CertificateOutcome outcome, CertKind kind,
                               std::string_view path) {
    std::string message(strings.Text(MessageId(outcome)));
    if (outcome == CertificateOutcome::TooLarge) {
        message += "\n" + std::string(strings.Text(sid::kCertificateSmallerKey));
    }
    if (const std::string command = PemConversionCommand(outcome, kind, path); !command.empty()) {
        message += "\n" + command;
    }
    return message;
}

}  // namespace lanvane
