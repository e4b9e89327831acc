#include "protocol/Certificate.h"

#include <gtest/gtest.h>

#include <string>

namespace lanvane {
namespace {

// A PEM text of exactly `size` bytes.
std::string Pem(std::size_t size) {
    const std::string begin = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = "-----END CERTIFICATE-----\n";
    return begin + std::string(size - begin.size() - end.size(), 'Q') + end;
}

TEST(CheckCertificate, NeedsFewerThan3072BytesBeginningWithBeginAndEndBeforeTheFirstNul) {
    const struct {
        std::string text;
        CertificateOutcome outcome;
    } cases[] = {
        {Pem(3071), CertificateOutcome::Ok},
        {Pem(3072), CertificateOutcome::TooLarge},
        {std::string(5000, 'x'), CertificateOutcome::TooLarge},
        {"-----BEGIN -----END", CertificateOutcome::Ok},
        {"-----BEGINX-----END", CertificateOutcome::Invalid},
        {"-----BEGIN", CertificateOutcome::Invalid},
        {" -----BEGIN -----END", CertificateOutcome::Invalid},
        {"", CertificateOutcome::Invalid},
        {"-----BEGIN CERTIFICATE-----\nQUJD\n", CertificateOutcome::Invalid},
        {"-----BEGIN X-----EN", CertificateOutcome::Invalid},
        {std::string("-----BEGIN X\0-----END X", 23), CertificateOutcome::Invalid},
        {std::string("-----BEGIN X-----END X\0\0", 24), CertificateOutcome::Ok},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckCertificate(reinterpret_cast<const std::uint8_t*>(c.text.data()),
                                   c.text.size()),
                  c.outcome)
            << c.text.substr(0, 40);
    }
}

}  // namespace
}  // namespace lanvane
