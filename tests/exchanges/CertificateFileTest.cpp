#include "protocol/CertificateFile.h"
#include "tests/support/posix/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace lanvane {
namespace {

namespace fs = std::filesystem;

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

class LoadCertificateFileTest : public ::testing::Test {
protected:
    fs::path File(const std::string& name, const std::string& contents) { return folder.WriteFile(name, contents); }

    test::TempDir folder;
    const fs::path& directory = folder.Path();
    SecureBytes certData;
};

// Whatever was loaded before is wiped; what is not a small regular file is not read at all
// (a FIFO would block the window for good).
TEST_F(LoadCertificateFileTest, RefusedFileLeavesNothingLoaded) {
    const fs::path earlier = File("old.pem", "-----BEGIN OLD-----END OLD");
    const fs::path fifo = directory / "fifo.pem";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = File("huge.pem", "-----BEGIN X-----END X");
    fs::resize_file(huge, std::uintmax_t{8} << 30);
    const struct {
        fs::path path;
        CertificateOutcome outcome;
    } cases[] = {
        {File("large.pem", "-----BEGIN X" + std::string(3060, 'A') + "-----END"),
         CertificateOutcome::TooLarge},
        {directory, CertificateOutcome::TooLarge},
        {"/dev/zero", CertificateOutcome::TooLarge},
        {fifo, CertificateOutcome::TooLarge},
        {huge, CertificateOutcome::TooLarge},
        {directory / "missing.pem", CertificateOutcome::ReadFailed},
        {earlier / "child.pem", CertificateOutcome::ReadFailed},
        {File("bad.pem", "-----BEGIN X but no end"), CertificateOutcome::Invalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_EQ(LoadCertificateFile(earlier, certData), CertificateOutcome::Ok);
        EXPECT_EQ(LoadCertificateFile(c.path, certData), c.outcome);
        EXPECT_TRUE(certData.empty());
    }
}

// Root reads any file, so the load is tried by an unprivileged user in a child process.
TEST_F(LoadCertificateFileTest, UnreadableFileIsAReadFailure) {
    fs::permissions(directory, fs::perms(0755));
    const fs::path path = File("locked.pem", "-----BEGIN X-----END X");
    fs::permissions(path, fs::perms::none);
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) {
                std::_Exit(100);
            }
            std::_Exit(static_cast<int>(LoadCertificateFile(path, certData)));
        },
        ::testing::ExitedWithCode(static_cast<int>(CertificateOutcome::ReadFailed)), "");
}

}  // namespace
}  // namespace lanvane
