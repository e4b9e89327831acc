#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>

#include "CliRunner.h"
#include "SimRig.h"

namespace lanvane::cli::test {
namespace {

using sim::RequestKind;

constexpr int kDone = 0;
constexpr int kPrinterFailed = 1;
constexpr int kBadUsage = 2;

const std::string kCertificates = LANVANE_TEST_CERTIFICATES;

std::string Generated(const std::string& name) {
    return kCertificates + "/" + name;
}

std::string Contents(const std::string& name) {
    std::ifstream file(Generated(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class CliCertificateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(rig.Serving()); }

    CliRun Cert(const std::string& kind, const std::string& file, const std::string& input = {}) {
        return RunCli({"cert", "--usb", rig.DevicePath(), "--kind", kind, "--file", file, "--json"}, {},
                      std::chrono::milliseconds(10000), {}, {input, {}, {}});
    }

    std::string Uploaded(int kind) {
        const auto certificates = rig.Printer().State().certificates;
        return certificates.count(kind) == 0
                   ? std::string("none")
                   : std::string(certificates.at(kind).data.begin(), certificates.at(kind).data.end());
    }

    SimRig rig{2};
};

// A file of the wrong kind or form is named, with the command that makes the right one, and
// nothing reaches the printer. What each file is and each message's text are the
// certificate check's and the messages' own tests; here one of each kind of message.
TEST_F(CliCertificateTest, RefusedFilesAreNamedAndNothingIsSent) {
    const struct {
        const char* kind;
        const char* file;
        std::string message;
    } cases[] = {
        {"ca", "pkcs8.key",
         "The file is not a PEM certificate. A CA or client certificate must hold only \"-----BEGIN "
         "CERTIFICATE-----\" blocks. (it holds: PRIVATE KEY)"},
        {"ca", "ca.der",
         "The file is a binary (DER) certificate; the printer takes PEM text. Convert it with this command: "
         "openssl x509 -inform DER -in " + Generated("ca.der") + " -out " + Generated("ca.pem")},
        {"client-key", "rsa4096.key",
         "The maximum size of a certificate file is 3KB. Use an EC key or a 2048-bit RSA key: their files are "
         "smaller. (" + Generated("rsa4096.key") + " has " + std::to_string(Contents("rsa4096.key").size()) +
             " bytes)"},
        {"ca", "garbage.pem",
         "The certificate file is invalid. (a CERTIFICATE block is no readable X.509 certificate)"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cert(c.kind, Generated(c.file));
        EXPECT_EQ(run.status, kBadUsage) << c.file;
        const nlohmann::json error = nlohmann::json::parse(run.out, nullptr, false)["error"];
        EXPECT_EQ(error["kind"], "invalid-file") << c.file;
        EXPECT_NE(error["message"].get<std::string>().find(c.message), std::string::npos) << error["message"];
    }
    EXPECT_TRUE(rig.Printer().History().empty());
}

// Subject and expiry are shown before the upload, judged at the time of the run; an expired
// certificate only warns (the texts and the JSON are CertificateDetailsTest's).
TEST_F(CliCertificateTest, CertificatesAreShownThenUploaded) {
    const CliRun chain = Cert("ca", Generated("chain.pem"));
    ASSERT_EQ(chain.status, kDone) << chain.err;
    EXPECT_NE(chain.err.find("Certificate: CN=Lanvane Test CA, O=Lanvane Tests, valid until "), std::string::npos)
        << chain.err;
    EXPECT_LT(chain.err.find("Certificate: CN=printer.example"), chain.err.find("uploaded successfully"));
    const nlohmann::json document = nlohmann::json::parse(chain.out);
    ASSERT_EQ(document["certificates"].size(), 2u);
    EXPECT_EQ(Uploaded(1), Contents("chain.pem"));

    const CliRun expired = Cert("client-pem", Generated("expired.pem"));
    ASSERT_EQ(expired.status, kDone) << expired.err;
    EXPECT_NE(expired.err.find("Warning: this certificate expired on "), std::string::npos) << expired.err;
    EXPECT_EQ(Uploaded(3), Contents("expired.pem"));
}

// The upload identifies the printer, but reads neither its identification data nor its record.
TEST_F(CliCertificateTest, KeyFromStandardInputIsCheckedAndUploaded) {
    const CliRun run = Cert("client-key", "-", Contents("ec.key"));
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_NE(run.err.find("The certificate document has been uploaded successfully. Reset the printer.\n"),
              std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(run.out)["certificates"], nlohmann::json::array());
    EXPECT_EQ(Uploaded(2), Contents("ec.key"));
    EXPECT_TRUE(rig.Took(RequestKind::Identification));
    EXPECT_FALSE(rig.Took(RequestKind::SystemRequest));
    EXPECT_FALSE(rig.Took(RequestKind::ConfigGet));

    const CliRun large = Cert("client-key", "-", Contents("rsa4096.key"));
    EXPECT_EQ(large.status, kBadUsage);
    EXPECT_NE(large.err.find("(the input has more than 3071 bytes)"), std::string::npos) << large.err;
}

TEST_F(CliCertificateTest, RefusedUploadIsAPrinterFailure) {
    sim::FaultPlan faults;
    faults.refuseChunk = 100;
    rig.Printer().SetFaults(faults);
    const CliRun run = Cert("ca", Generated("ca.pem"));
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_EQ(nlohmann::json::parse(run.out)["error"]["kind"], "printer-refused");
}

}  // namespace
}  // namespace lanvane::cli::test
