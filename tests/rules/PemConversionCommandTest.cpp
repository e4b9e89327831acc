#include "rules/PemConversionCommand.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using enum CertificateOutcome;

// The command writes beside the file, never over it, and quotes what a shell would split.
TEST(PemConversionCommand, ConvertsOrUnpacksIntoAFileBesideTheInput) {
    const struct {
        CertificateOutcome outcome;
        CertKind kind;
        const char* path;
        const char* command;
    } cases[] = {
        {DerCertificate, CertKind::ClientPem, "ca.pem", "openssl x509 -inform DER -in ca.pem -out ca-converted.pem"},
        {DerCertificate, CertKind::CA, "my certs/ca", "openssl x509 -inform DER -in \"my certs/ca\" -out \"my certs/ca.pem\""},
        {DerCertificate, CertKind::CA, "C:\\v1.2\\ca", "openssl x509 -inform DER -in C:\\v1.2\\ca -out C:\\v1.2\\ca.pem"},
        {DerCertificate, CertKind::CA, ".ca", "openssl x509 -inform DER -in .ca -out .ca.pem"},
        {DerPrivateKey, CertKind::ClientKey, "client.der", "openssl pkey -inform DER -in client.der -out client.key"},
        {DerPrivateKey, CertKind::ClientKey, "-", "openssl pkey -inform DER -in - -out -"},
        {Pkcs12, CertKind::ClientPem, "id.pfx", "openssl pkcs12 -in id.pfx -clcerts -nokeys | openssl x509 -out id.pem"},
        {Pkcs12, CertKind::ClientKey, "id.p12", "openssl pkcs12 -in id.p12 -nocerts -nodes | openssl pkey -out id.key"},
        {NotCertificate, CertKind::CA, "ca.der", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PemConversionCommand(c.outcome, c.kind, c.path), c.command) << c.path;
    }
}

}  // namespace
}  // namespace lanvane
