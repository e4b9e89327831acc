#include "cli/CertificateValidity.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <iterator>

namespace lanvane::cli {
namespace {

using namespace std::chrono;

std::string Generated(const std::string& name) {
    std::ifstream file(std::string(LANVANE_TEST_CERTIFICATES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

// CryptoAPI under Wine quotes values with spaces whatever it is asked; the test reads the
// subject without them.
std::string Unquoted(std::string subject) {
    std::erase(subject, '"');
    return subject;
}

constexpr sys_seconds kNewYear2020 = sys_days{2020y / 1 / 1};
constexpr sys_seconds kNewYear2021 = sys_days{2021y / 1 / 1};

// The system's X.509 library (OpenSSL, or CryptoAPI under Wine) reads the same subject and
// times; what is no certificate is not read.
TEST(CertificateDetails, SubjectAndValidityOfEachCertificateBlock) {
    const auto expired = ReadCertificates(Generated("expired.pem"));
    ASSERT_TRUE(expired && expired->size() == 1);
    EXPECT_EQ(Unquoted(expired->front().subject), "CN=Lanvane Expired");
    EXPECT_EQ(expired->front().notBefore, kNewYear2020);
    EXPECT_EQ(expired->front().notAfter, kNewYear2021);

    const auto chain = ReadCertificates(Generated("chain.pem"));
    ASSERT_TRUE(chain && chain->size() == 2);
    EXPECT_EQ(Unquoted((*chain)[0].subject), "CN=Lanvane Test CA, O=Lanvane Tests");
    EXPECT_EQ((*chain)[1].subject, "CN=printer.example");
    EXPECT_EQ(floor<days>((*chain)[0].notAfter - (*chain)[0].notBefore), days{3650});

    EXPECT_FALSE(ReadCertificates(Generated("garbage.pem")));
    EXPECT_FALSE(ReadCertificateDetails(Generated("public.pem")));
    EXPECT_TRUE(ReadCertificates(Generated("pkcs8.key")).value().empty());
}

TEST(CertificateDetails, OutOfItsValidityIsAWarning) {
    const CertificateDetails details{"CN=a\x1b[2J", kNewYear2020, kNewYear2021};
    const struct {
        sys_seconds now;
        std::vector<std::string> lines;
        bool expired;
    } cases[] = {
        {kNewYear2020 + days{1}, {"Certificate: CN=a\\e[2J, valid until 2021-01-01 00:00 UTC"}, false},
        {kNewYear2021 + seconds{1},
         {"Certificate: CN=a\\e[2J, valid until 2021-01-01 00:00 UTC",
          "Warning: this certificate expired on 2021-01-01 00:00 UTC; it is uploaded all the same."},
         true},
        {kNewYear2020 - minutes{90},
         {"Certificate: CN=a\\e[2J, valid until 2021-01-01 00:00 UTC",
          "Warning: this certificate is valid only from 2020-01-01 00:00 UTC; it is uploaded all the same."},
         false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidityLines(details, c.now), c.lines);
        EXPECT_EQ(ValidityJson(details, c.now),
                  nlohmann::ordered_json({{"subject", details.subject},
                                          {"notBefore", "2020-01-01T00:00:00Z"},
                                          {"notAfter", "2021-01-01T00:00:00Z"},
                                          {"expired", c.expired}}));
    }
}

}  // namespace
}  // namespace lanvane::cli
