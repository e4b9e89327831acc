#include "rules/PemConversionCommand.h"

#include <string_view>

namespace lanvane {
namespace {

constexpr std::string_view kStandardStream = "-";

// The path as one word of a shell or command prompt: quoted unless it is plain.
std::string Argument(std::string_view path) {
    constexpr std::string_view kPlain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-+.,/\\:@%=";
    if (!path.empty() && path.find_first_not_of(kPlain) == std::string_view::npos) {
        return std::string(path);
    }
    std::string quoted = "\"";
    for (const char c : path) {
        quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return quoted + '"';
}

// The file beside `path` with its extension replaced by `ending`, never `path` itself.
std::string OutputBeside(std::string_view path, std::string_view ending) {
    if (path == kStandardStream) {
        return std::string(kStandardStream);
    }
    const auto separator = path.find_last_of("/\\");
    const auto nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const auto dot = path.rfind('.');
    const auto stemEnd = dot != std::string_view::npos && dot > nameStart ? dot : path.size();
    std::string output = std::string(path.substr(0, stemEnd)) + std::string(ending);
    if (output == path) {
        output = std::string(path.substr(0, stemEnd)) + "-converted" + std::string(ending);
    }
    return output;
}

std::string Pkcs12Command(CertKind kind, std::string_view path) {
    const std::string in = "openssl pkcs12 -in " + Argument(path);
    switch (kind) {
        case CertKind::CA:
            return in + " -cacerts -nokeys | openssl x509 -out " + Argument(OutputBeside(path, "-ca.pem"));
        case CertKind::ClientPem:
            return in + " -clcerts -nokeys | openssl x509 -out " + Argument(OutputBeside(path, ".pem"));
        case CertKind::ClientKey: break;
    }
    return in + " -nocerts -nodes | openssl pkey -out " + Argument(OutputBeside(path, ".key"));
}

}  // namespace

std::string PemConversionCommand(CertificateOutcome outcome, CertKind kind, std::string_view path) {
    switch (outcome) {
        case CertificateOutcome::DerCertificate:
            return "openssl x509 -inform DER -in " + Argument(path) + " -out " + Argument(OutputBeside(path, ".pem"));
        case CertificateOutcome::DerPrivateKey:
            return "openssl pkey -inform DER -in " + Argument(path) + " -out " + Argument(OutputBeside(path, ".key"));
        case CertificateOutcome::Pkcs12: return Pkcs12Command(kind, path);
        default: break;
    }
    return {};
}

}  // namespace lanvane
