#include "protocol/Certificate.h"

#include <gtest/gtest.h>

#include <string>

namespace lanvane {
namespace {

CertificateOutcome Check(const std::string& text) {
    return CheckCertificate(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// A PEM text of exactly `size` bytes.
std::string Pem(std::size_t size) {
    std::string text = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = "-----END CERTIFICATE-----\n";
    text += std::string(size - text.size() - end.size(), 'Q');
    return text + end;
}

TEST(CertSelector, IsTheKindAbove0x80) {
    EXPECT_EQ(CertSelector(CertKind::CA), 0x81);
    EXPECT_EQ(CertSelector(CertKind::ClientKey), 0x82);
    EXPECT_EQ(CertSelector(CertKind::ClientPem), 0x83);
}

TEST(CheckCertificate, AcceptsUpTo3071Bytes) {
    EXPECT_EQ(Check(Pem(3071)), CertificateOutcome::Ok);
    EXPECT_EQ(Check(Pem(3072)), CertificateOutcome::TooLarge);
    EXPECT_EQ(Check(std::string(5000, 'x')), CertificateOutcome::TooLarge);
}

TEST(CheckCertificate, NeedsBeginWithItsSpaceAtTheStart) {
    EXPECT_EQ(Check("-----BEGIN -----END"), CertificateOutcome::Ok);
    EXPECT_EQ(Check("-----BEGINX-----END"), CertificateOutcome::Invalid);
    EXPECT_EQ(Check("-----BEGIN"), CertificateOutcome::Invalid);
    EXPECT_EQ(Check(" -----BEGIN -----END"), CertificateOutcome::Invalid);
    EXPECT_EQ(Check(""), CertificateOutcome::Invalid);
}

TEST(CheckCertificate, NeedsEndBeforeTheFirstNul) {
    EXPECT_EQ(Check("-----BEGIN CERTIFICATE-----\nQUJD\n"), CertificateOutcome::Invalid);
    EXPECT_EQ(Check("-----BEGIN CERTIFICATE-----\nQUJD\n-----END"), CertificateOutcome::Ok);
    EXPECT_EQ(Check(std::string("-----BEGIN X\0-----END X", 23)), CertificateOutcome::Invalid);
    EXPECT_EQ(Check(std::string("-----BEGIN X-----END X\0\0", 24)), CertificateOutcome::Ok);
    EXPECT_EQ(Check("-----BEGIN X-----EN"), CertificateOutcome::Invalid);
}

}  // namespace
}  // namespace lanvane
